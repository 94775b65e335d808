// The options Qt's application object takes from the command line (-style Fusion, -reverse,
// -platform offscreen, ...): given alone, they open the window with them.
#pragma once

#include <span>

namespace freefall {

// Whether arguments, given without the program name, are one or more of Qt's options, each
// with its value.
bool areQtOptions(std::span<char *const> arguments);

} // namespace freefall

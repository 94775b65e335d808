// A label's caption broken at blanks into the lines its width holds.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace freefall {

// Each line takes as many words as fit the width in the font, the blank between two lines
// not counted: DrawText implementations differ on whether that blank must fit, so the label
// is given its lines ready broken (joined by CR LF). A word wider than the label is a line of
// its own.
std::wstring wrapCaption(std::wstring_view caption, HFONT font, int width);

} // namespace freefall

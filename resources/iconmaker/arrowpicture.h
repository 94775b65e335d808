// Draws the program's picture: an upward arrow with a dithered shaft and a drop shadow.
#pragma once

#include "resources/iconmaker/indexedimage.h"

namespace iconmaker {

// The two designed sizes of the window icon, 32 and 16, Windows' scaled sizes 20, 24 and 40,
// and the theme sizes 48, 64, 128 and 256 have a drawn layout; others throw
// std::invalid_argument.
IndexedImage drawArrow(int size);

} // namespace iconmaker

// Draws the program's picture: an upward arrow with a dithered shaft and a drop shadow.
#pragma once

#include "indexedimage.h"

namespace iconmaker {

// Only the two sizes an icon of this program carries, 32 and 16, have a drawn layout.
IndexedImage drawArrow(int size);

} // namespace iconmaker

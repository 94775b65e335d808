// Encodes palette images as a Windows .ico file.
#pragma once

#include "resources/iconmaker/bytewriter.h"
#include "resources/iconmaker/indexedimage.h"

#include <vector>

namespace iconmaker {

// In the given order; below 256 pixels as a 4-bit bitmap of the standard palette with an AND
// mask, from 256 on as an RGBA PNG.
Bytes encodeIco(const std::vector<IndexedImage> &images);

} // namespace iconmaker

// Encodes a palette image as an 8-bit RGBA PNG, for desktops that take no .ico.
#pragma once

#include "resources/iconmaker/bytewriter.h"
#include "resources/iconmaker/indexedimage.h"

namespace iconmaker {

Bytes encodePng(const IndexedImage &image);

} // namespace iconmaker

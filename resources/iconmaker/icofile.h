// Encodes 4-bit palette images as a Windows .ico file.
#pragma once

#include "resources/iconmaker/bytewriter.h"
#include "resources/iconmaker/indexedimage.h"

#include <vector>

namespace iconmaker {

// Every image gets the standard palette and an AND mask, in the given order.
Bytes encodeIco(const std::vector<IndexedImage> &images);

} // namespace iconmaker

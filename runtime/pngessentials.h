// A PNG image cut down to the chunks that draw its pixels, for handing to a decoder, and the
// stream its pixels are compressed in.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace freefall {

// The signature and the critical chunks (IHDR, PLTE, IDAT, IEND and any other whose type
// starts with a capital) plus tRNS, each copied whole with its checksum, up to IEND. Other
// ancillary chunks are dropped: a decoder inflates compressed text and colour profiles into
// memory, and a few hundred kilobytes of them expand to gigabytes. Throws
// RuntimeError(InvalidPicture) when the data is not a PNG, a chunk runs past the end, the first
// chunk is not IHDR or there is no IEND.
std::vector<std::uint8_t> pngEssentials(std::span<const std::uint8_t> png);

// The data of the IDAT chunks joined: the zlib stream that inflates to the image's rows. Throws
// as pngEssentials.
std::vector<std::uint8_t> pngImageData(std::span<const std::uint8_t> png);

} // namespace freefall

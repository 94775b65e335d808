// Each image is judged by its header, which costs the same whatever the image holds, so the
// whole directory is checked in time proportional to its entries and nothing is decoded here.
#include "runtime/icondirectory.h"

#include "runtime/byteorder.h"
#include "runtime/runtimeerror.h"

#include <algorithm>
#include <array>
#include <utility>

namespace freefall {

namespace {

using bytes::bigEndian32;
using bytes::littleEndian16;
using bytes::littleEndian32;

constexpr std::size_t kDirectoryHeaderBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// The signature, then the header chunk: length, type, 13 bytes of data and the checksum.
constexpr std::size_t kPngHeaderEnd = 8 + 8 + 13 + 4;

[[noreturn]] void refuse()
{
    throw RuntimeError(RuntimeError::Kind::InvalidPicture);
}

void checkSide(std::int64_t pixels)
{
    if (pixels < 1 || pixels > kMaxIconSide)
        refuse();
}

bool isPng(std::span<const std::uint8_t> data)
{
    return data.size() >= kPngSignature.size() &&
           std::equal(kPngSignature.begin(), kPngSignature.end(), data.begin());
}

// Bits per pixel of a PNG from its colour type and bit depth, or 0 for a combination the format
// does not allow.
int pngBitCount(int colourType, int bitDepth)
{
    const auto oneOf = [bitDepth](std::initializer_list<int> depths) {
        return std::find(depths.begin(), depths.end(), bitDepth) != depths.end();
    };
    switch (colourType) {
    case 0: // grey
        return oneOf({1, 2, 4, 8, 16}) ? bitDepth : 0;
    case 2: // red, green, blue
        return oneOf({8, 16}) ? 3 * bitDepth : 0;
    case 3: // palette
        return oneOf({1, 2, 4, 8}) ? bitDepth : 0;
    case 4: // grey and alpha
        return oneOf({8, 16}) ? 2 * bitDepth : 0;
    case 6: // red, green, blue and alpha
        return oneOf({8, 16}) ? 4 * bitDepth : 0;
    default:
        return 0;
    }
}

IconImage describePng(std::span<const std::uint8_t> data)
{
    constexpr std::array<std::uint8_t, 4> headerType{'I', 'H', 'D', 'R'};
    if (data.size() < kPngHeaderEnd || bigEndian32(data, 8) != 13 ||
        !std::equal(headerType.begin(), headerType.end(), data.begin() + 12))
        refuse();
    const std::uint32_t width = bigEndian32(data, 16);
    const std::uint32_t height = bigEndian32(data, 20);
    checkSide(width);
    checkSide(height);
    const int bitCount = pngBitCount(data[25], data[24]);
    // Compression and filter method 0 are the only ones defined; interlacing is 0 or 1.
    if (bitCount == 0 || data[26] != 0 || data[27] != 0 || data[28] > 1)
        refuse();
    IconImage image;
    image.encoding = IconImage::Encoding::Png;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.bitCount = bitCount;
    return image;
}

std::size_t rowBytes(int width, int bitCount)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

// Only what every decoder reads the same way is let through: the 40-byte header, no
// compression, a colour table of at most 2^bits entries, and the bitmaps complete. The height
// field counts the colour bitmap and the mask together.
IconImage describeDib(std::span<const std::uint8_t> data)
{
    if (data.size() < kInfoHeaderBytes || littleEndian32(data, 0) != kInfoHeaderBytes)
        refuse();
    const auto width = static_cast<std::int32_t>(littleEndian32(data, 4));
    const auto doubleHeight = static_cast<std::int32_t>(littleEndian32(data, 8));
    const int bitCount = littleEndian16(data, 14);
    const std::uint32_t compression = littleEndian32(data, 16);
    const std::uint32_t coloursUsed = littleEndian32(data, 32);
    if (compression != 0 || doubleHeight % 2 != 0)
        refuse();
    checkSide(width);
    checkSide(doubleHeight / 2);

    std::size_t paletteEntries = 0;
    switch (bitCount) {
    case 1:
        // Decoders take a 1-bit bitmap as black and white only with both colours listed.
        if (coloursUsed != 0 && coloursUsed != 2)
            refuse();
        paletteEntries = 2;
        break;
    case 4:
    case 8:
        if (coloursUsed > (1u << bitCount))
            refuse();
        paletteEntries = coloursUsed != 0 ? coloursUsed : 1u << bitCount;
        break;
    case 24:
    case 32:
        // The pixels carry their colours; a colour-count field here is ignored by decoders.
        break;
    default:
        refuse();
    }

    IconImage image;
    image.encoding = IconImage::Encoding::Dib;
    image.width = width;
    image.height = doubleHeight / 2;
    image.bitCount = bitCount;
    // A palette image takes its transparency from the mask; at 24 and 32 bits decoders draw
    // from the pixels alone, and some writers leave the mask out.
    const std::size_t rows = static_cast<std::size_t>(image.height);
    const std::size_t maskRow = bitCount <= 8 ? rowBytes(width, 1) : 0;
    const std::size_t needed =
        kInfoHeaderBytes + 4 * paletteEntries + rows * (rowBytes(width, bitCount) + maskRow);
    if (data.size() < needed)
        refuse();
    return image;
}

// Entries may list their images in any order, but no byte may belong to two of them: a file
// of 1 MiB could otherwise name one image tens of thousands of times.
void checkNoOverlap(const std::vector<IconImage> &images)
{
    std::vector<std::pair<std::size_t, std::size_t>> extents;
    extents.reserve(images.size());
    for (const IconImage &image : images)
        extents.emplace_back(image.offset, image.offset + image.size);
    std::sort(extents.begin(), extents.end());
    for (std::size_t i = 1; i < extents.size(); ++i)
        if (extents[i].first < extents[i - 1].second)
            refuse();
}

bool fitsPointer(const IconImage &image)
{
    return image.width <= kPointerSide && image.height <= kPointerSide;
}

// Whether candidate makes a better pointer than best.
bool better(const IconImage &candidate, const IconImage &best)
{
    if (fitsPointer(candidate) != fitsPointer(best))
        return fitsPointer(candidate);
    const int candidateArea = candidate.width * candidate.height;
    const int bestArea = best.width * best.height;
    if (candidateArea != bestArea)
        return fitsPointer(candidate) ? candidateArea > bestArea : candidateArea < bestArea;
    return candidate.bitCount > best.bitCount;
}

} // namespace

std::vector<IconImage> readIconDirectory(std::span<const std::uint8_t> file)
{
    // A reserved zero word, type 1 (an icon, not a cursor) and the number of entries.
    if (file.size() < kDirectoryHeaderBytes || littleEndian16(file, 0) != 0 ||
        littleEndian16(file, 2) != 1)
        refuse();
    const std::size_t count = littleEndian16(file, 4);
    const std::size_t directoryEnd = kDirectoryHeaderBytes + count * kEntryBytes;
    if (count == 0 || directoryEnd > file.size())
        refuse();

    std::vector<IconImage> images;
    images.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectoryHeaderBytes + i * kEntryBytes;
        const std::size_t size = littleEndian32(file, entry + 8);
        const std::size_t offset = littleEndian32(file, entry + 12);
        if (size == 0 || offset < directoryEnd || offset > file.size() ||
            size > file.size() - offset)
            refuse();
        const auto data = file.subspan(offset, size);
        IconImage image = isPng(data) ? describePng(data) : describeDib(data);
        image.offset = offset;
        image.size = size;
        images.push_back(image);
    }
    checkNoOverlap(images);
    return images;
}

IconImage choosePointerImage(std::span<const std::uint8_t> file)
{
    const std::vector<IconImage> images = readIconDirectory(file);
    const IconImage *best = &images.front();
    for (const IconImage &image : images)
        if (better(image, *best))
            best = &image;
    return *best;
}

} // namespace freefall

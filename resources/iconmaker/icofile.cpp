// Encodes 4-bit palette images as a Windows .ico file.
#include "resources/iconmaker/icofile.h"

#include "resources/iconmaker/palette.h"

#include <cstdint>

namespace iconmaker {
namespace {

constexpr std::uint32_t directorySize = 6;
constexpr std::uint32_t entrySize = 16;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t paletteSize = 16 * 4;

// Bitmap rows are padded to whole 32-bit words.
std::uint32_t rowBytes(int width, int bitsPerPixel)
{
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

std::uint32_t pixelDataSize(const IndexedImage &image)
{
    const auto rows = static_cast<std::uint32_t>(image.size);
    return rows * (rowBytes(image.size, 4) + rowBytes(image.size, 1));
}

std::uint32_t imageSize(const IndexedImage &image)
{
    return infoHeaderSize + paletteSize + pixelDataSize(image);
}

void putImage(Bytes &out, const IndexedImage &image)
{
    const int n = image.size;
    putLe32(out, infoHeaderSize);
    putLe32(out, static_cast<std::uint32_t>(n));
    putLe32(out, static_cast<std::uint32_t>(2 * n)); // the colour bitmap and the mask stacked
    putLe16(out, 1);                                 // planes
    putLe16(out, 4);                                 // bits per pixel
    putLe32(out, 0);                                 // uncompressed
    putLe32(out, pixelDataSize(image));
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, 0); // all 16 colours of the palette
    putLe32(out, 0);
    for (const Rgb &c : standardPalette) {
        out.push_back(c.blue);
        out.push_back(c.green);
        out.push_back(c.red);
        out.push_back(0);
    }
    // Both bitmaps run bottom-up; the high nibble or bit is the leftmost pixel.
    for (int y = n - 1; y >= 0; --y) {
        Bytes row(rowBytes(n, 4), 0);
        for (int x = 0; x < n; ++x)
            row[static_cast<std::size_t>(x / 2)] |=
                static_cast<std::uint8_t>(image.index[image.at(x, y)] << (x % 2 == 0 ? 4 : 0));
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = n - 1; y >= 0; --y) {
        Bytes row(rowBytes(n, 1), 0);
        for (int x = 0; x < n; ++x)
            if (!image.opaque[image.at(x, y)])
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

} // namespace

Bytes encodeIco(const std::vector<IndexedImage> &images)
{
    Bytes out;
    putLe16(out, 0);
    putLe16(out, 1); // icon, not cursor
    putLe16(out, static_cast<std::uint32_t>(images.size()));
    auto offset = directorySize + entrySize * static_cast<std::uint32_t>(images.size());
    for (const IndexedImage &image : images) {
        out.push_back(static_cast<std::uint8_t>(image.size)); // 256 would be written as 0
        out.push_back(static_cast<std::uint8_t>(image.size));
        out.push_back(16); // colours
        out.push_back(0);
        putLe16(out, 1);
        putLe16(out, 4);
        putLe32(out, imageSize(image));
        putLe32(out, offset);
        offset += imageSize(image);
    }
    for (const IndexedImage &image : images)
        putImage(out, image);
    return out;
}

} // namespace iconmaker

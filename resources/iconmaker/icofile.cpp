// Encodes 4-bit palette images as a Windows .ico file.
#include "resources/iconmaker/icofile.h"

#include "resources/iconmaker/palette.h"
#include "resources/iconmaker/pngfile.h"

#include <cstdint>

namespace iconmaker {
namespace {

constexpr std::uint32_t directorySize = 6;
constexpr std::uint32_t entrySize = 16;
constexpr std::uint32_t infoHeaderSize = 40;
// From this side on an image is stored as a PNG, as Windows' own 256-pixel icons are: a bitmap
// of that size would be 40 KB of mostly nothing.
constexpr int pngFromSide = 256;

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

void putBitmap(Bytes &out, const IndexedImage &image)
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
    std::vector<Bytes> data;
    for (const IndexedImage &image : images) {
        Bytes bytes;
        if (image.size >= pngFromSide)
            bytes = encodePng(image);
        else
            putBitmap(bytes, image);
        data.push_back(std::move(bytes));
    }
    Bytes out;
    putLe16(out, 0);
    putLe16(out, 1); // icon, not cursor
    putLe16(out, static_cast<std::uint32_t>(images.size()));
    auto offset = directorySize + entrySize * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IndexedImage &image = images[i];
        const bool png = image.size >= pngFromSide;
        out.push_back(static_cast<std::uint8_t>(image.size)); // 256 is written as 0
        out.push_back(static_cast<std::uint8_t>(image.size));
        out.push_back(png ? 0 : 16); // colours of a palette
        out.push_back(0);
        putLe16(out, 1);
        putLe16(out, png ? 32 : 4); // bits per pixel
        putLe32(out, static_cast<std::uint32_t>(data[i].size()));
        putLe32(out, offset);
        offset += static_cast<std::uint32_t>(data[i].size());
    }
    for (const Bytes &bytes : data)
        out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

} // namespace iconmaker

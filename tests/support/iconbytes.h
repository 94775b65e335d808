// Icon files built byte by byte for tests, sound or broken on purpose, in standard C++ so that
// tests without Qt can use them too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace freefall::testing {

using Bytes = std::vector<std::uint8_t>;

inline void appendLittleEndian(Bytes &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline void appendBigEndian32(Bytes &out, std::uint32_t value)
{
    for (int i = 3; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline std::uint32_t readLittleEndian(const Bytes &data, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | data.at(at + static_cast<std::size_t>(i));
    return value;
}

// A bitmap image as an icon holds it: the 40-byte header, the colour table, the colour bitmap
// and an all-opaque mask, every pixel of one colour given as 0xAARRGGBB. Palette images list
// black and that colour and use the second.
inline Bytes dibImage(int width, int height, int bitCount, std::uint32_t argb = 0xFFFF0000,
                      std::uint32_t coloursUsed = 0)
{
    Bytes out;
    appendLittleEndian(out, 40, 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(2 * height), 4);
    appendLittleEndian(out, 1, 2);
    appendLittleEndian(out, static_cast<std::uint32_t>(bitCount), 2);
    for (int field = 0; field < 4; ++field) // compression, image size, resolution
        appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, coloursUsed, 4);
    appendLittleEndian(out, 0, 4);
    const std::size_t paletteEntries =
        bitCount > 8 ? 0 : (coloursUsed != 0 ? coloursUsed : std::size_t{1} << bitCount);
    for (std::size_t i = 0; i < paletteEntries; ++i)
        appendLittleEndian(out, i == 1 ? (argb & 0xFFFFFF) : 0, 4);
    const auto rowBytes = [width](int bits) {
        return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
    };
    for (int y = 0; y < height; ++y) {
        Bytes row;
        for (int x = 0; x < width; ++x) {
            if (bitCount == 32)
                appendLittleEndian(row, argb, 4);
            else if (bitCount == 24)
                appendLittleEndian(row, argb & 0xFFFFFF, 3);
        }
        if (bitCount <= 8) { // every pixel index 1
            const int perByte = 8 / bitCount;
            std::uint8_t pattern = 0;
            for (int i = 0; i < perByte; ++i)
                pattern = static_cast<std::uint8_t>(pattern << bitCount | 1);
            row.assign((static_cast<std::size_t>(width) + perByte - 1) / perByte, pattern);
        }
        row.resize(rowBytes(bitCount), 0);
        out.insert(out.end(), row.begin(), row.end());
    }
    out.resize(out.size() + static_cast<std::size_t>(height) * rowBytes(1), 0);
    return out;
}

inline void appendPngChunk(Bytes &out, std::string_view type, const Bytes &data)
{
    appendBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    appendBigEndian32(out, 0); // checksum: none of the callers decodes these
}

// A PNG's signature, its header chunk and IEND: enough for the directory, not for a decoder.
inline Bytes pngHeader(std::uint32_t width, std::uint32_t height, int bitDepth = 8,
                       int colourType = 6)
{
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    appendBigEndian32(header, width);
    appendBigEndian32(header, height);
    header.push_back(static_cast<std::uint8_t>(bitDepth));
    header.push_back(static_cast<std::uint8_t>(colourType));
    header.insert(header.end(), {0, 0, 0});
    appendPngChunk(out, "IHDR", header);
    appendPngChunk(out, "IEND", {});
    return out;
}

// One directory entry: the image it names, with its offset moved by shift bytes and its size
// changed by extra bytes, to make broken directories.
struct IconEntry
{
    std::size_t image = 0;
    std::int64_t shift = 0;
    std::int64_t extra = 0;
};

// The directory, then the images back to back. With no entries given, one per image in order.
// The directory's size and depth fields are taken from each image's own header.
inline Bytes iconFile(const std::vector<Bytes> &images, std::vector<IconEntry> entries = {})
{
    if (entries.empty())
        for (std::size_t i = 0; i < images.size(); ++i)
            entries.push_back({i});
    Bytes out;
    appendLittleEndian(out, 0, 2);
    appendLittleEndian(out, 1, 2);
    appendLittleEndian(out, static_cast<std::uint32_t>(entries.size()), 2);
    std::vector<std::size_t> offsets;
    std::size_t next = 6 + 16 * entries.size();
    for (const Bytes &image : images) {
        offsets.push_back(next);
        next += image.size();
    }
    for (const IconEntry &entry : entries) {
        const Bytes &image = images.at(entry.image);
        const bool png = image.size() > 24 && image[0] == 0x89;
        const auto bigEndian = [&image](std::size_t at) {
            return std::uint32_t{image[at]} << 24 | std::uint32_t{image[at + 1]} << 16 |
                   std::uint32_t{image[at + 2]} << 8 | image[at + 3];
        };
        const std::uint32_t width = png ? bigEndian(16) : readLittleEndian(image, 4, 4);
        const std::uint32_t height = png ? bigEndian(20) : readLittleEndian(image, 8, 4) / 2;
        out.push_back(static_cast<std::uint8_t>(width));
        out.push_back(static_cast<std::uint8_t>(height));
        appendLittleEndian(out, 0, 2);
        appendLittleEndian(out, 1, 2);
        appendLittleEndian(out, png ? 32 : readLittleEndian(image, 14, 2), 2);
        appendLittleEndian(out,
                           static_cast<std::uint32_t>(std::int64_t(image.size()) + entry.extra), 4);
        appendLittleEndian(
            out, static_cast<std::uint32_t>(std::int64_t(offsets[entry.image]) + entry.shift), 4);
    }
    for (const Bytes &image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

} // namespace freefall::testing

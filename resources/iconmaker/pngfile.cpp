// Encodes a palette image as an 8-bit RGBA PNG, for desktops that take no .ico.
#include "resources/iconmaker/pngfile.h"

#include "resources/iconmaker/palette.h"

#include <zlib.h>

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace iconmaker {
namespace {

void putChunk(Bytes &out, std::string_view type, const Bytes &body)
{
    putBe32(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t crcStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), body.begin(), body.end());
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), out.data() + crcStart,
                            static_cast<uInt>(out.size() - crcStart));
    putBe32(out, static_cast<std::uint32_t>(crc));
}

Bytes deflated(const Bytes &raw)
{
    uLongf length = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(length);
    if (compress2(out.data(), &length, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib cannot compress the picture");
    out.resize(length);
    return out;
}

} // namespace

Bytes encodePng(const IndexedImage &image)
{
    const auto side = static_cast<std::uint32_t>(image.size);
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    Bytes header;
    putBe32(header, side);
    putBe32(header, side);
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA, no interlace
    putChunk(out, "IHDR", header);

    Bytes raw;
    for (int y = 0; y < image.size; ++y) {
        raw.push_back(0); // no row filter
        for (int x = 0; x < image.size; ++x) {
            const std::size_t i = image.at(x, y);
            const bool opaque = image.opaque[i];
            const Rgb c = opaque ? standardPalette[image.index[i]] : Rgb{0, 0, 0};
            raw.insert(raw.end(), {c.red, c.green, c.blue, std::uint8_t(opaque ? 0xFF : 0)});
        }
    }
    putChunk(out, "IDAT", deflated(raw));
    putChunk(out, "IEND", {});
    return out;
}

} // namespace iconmaker

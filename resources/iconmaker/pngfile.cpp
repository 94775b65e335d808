// Encodes a palette image as an 8-bit RGBA PNG, for desktops that take no .ico.
#include "resources/iconmaker/pngfile.h"

#include "resources/iconmaker/palette.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace iconmaker {
namespace {

std::uint32_t crc32(const std::uint8_t *data, std::size_t length)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < length; ++i)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void putChunk(Bytes &out, std::string_view type, const Bytes &body)
{
    putBe32(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t crcStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), body.begin(), body.end());
    putBe32(out, crc32(out.data() + crcStart, out.size() - crcStart));
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

// zlib, which Qt's PNG decoder uses too, inflating into a small scratch buffer.
#include "runtime/posix/zlibstream.h"

#include <zlib.h>

#include <array>
#include <climits>

namespace freefall {

bool inflatesToAtMost(std::span<const std::uint8_t> stream, std::size_t maxBytes)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return false;
    std::array<Bytef, 16 * 1024> scratch;
    std::size_t inflated = 0;
    std::size_t consumed = 0;
    int status = Z_OK;
    while (status == Z_OK && inflated <= maxBytes) {
        if (z.avail_in == 0) {
            if (consumed == stream.size())
                break;
            const std::size_t piece = std::min<std::size_t>(stream.size() - consumed, UINT_MAX);
            z.next_in = const_cast<Bytef *>(stream.data() + consumed);
            z.avail_in = static_cast<uInt>(piece);
            consumed += piece;
        }
        z.next_out = scratch.data();
        z.avail_out = static_cast<uInt>(scratch.size());
        status = inflate(&z, Z_NO_FLUSH);
        inflated += scratch.size() - z.avail_out;
        if (status == Z_BUF_ERROR && z.avail_in == 0)
            status = Z_OK; // wants more input
    }
    inflateEnd(&z);
    return inflated <= maxBytes;
}

} // namespace freefall

// Appends fixed-width integers to a byte buffer in either byte order; ICO wants little-endian,
// PNG big-endian.
#pragma once

#include <cstdint>
#include <vector>

namespace iconmaker {

using Bytes = std::vector<std::uint8_t>;

inline void putLe16(Bytes &out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void putLe32(Bytes &out, std::uint32_t v)
{
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

inline void putBe32(Bytes &out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

} // namespace iconmaker

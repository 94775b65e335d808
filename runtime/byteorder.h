// Integers stored in file formats, read from bytes whose bounds the caller has checked: icon
// directories and bitmap headers are little-endian, PNG chunks big-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace freefall::bytes {

inline std::uint16_t littleEndian16(std::span<const std::uint8_t> data, std::size_t at)
{
    return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
}

inline std::uint32_t littleEndian32(std::span<const std::uint8_t> data, std::size_t at)
{
    return std::uint32_t{data[at]} | std::uint32_t{data[at + 1]} << 8 |
           std::uint32_t{data[at + 2]} << 16 | std::uint32_t{data[at + 3]} << 24;
}

inline std::uint32_t bigEndian32(std::span<const std::uint8_t> data, std::size_t at)
{
    return std::uint32_t{data[at]} << 24 | std::uint32_t{data[at + 1]} << 16 |
           std::uint32_t{data[at + 2]} << 8 | std::uint32_t{data[at + 3]};
}

} // namespace freefall::bytes

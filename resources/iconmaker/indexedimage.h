// A square picture of palette indexes with a per-pixel transparency flag, as an icon holds it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace iconmaker {

struct IndexedImage
{
    explicit IndexedImage(int side)
        : size(side), index(static_cast<std::size_t>(side * side), 0),
          opaque(static_cast<std::size_t>(side * side), false)
    {
    }

    std::size_t at(int x, int y) const { return static_cast<std::size_t>(y * size + x); }

    int size;
    // Row by row from the top; a transparent pixel keeps index 0 so that it draws as
    // nothing when the AND mask is applied.
    std::vector<std::uint8_t> index;
    std::vector<bool> opaque;
};

} // namespace iconmaker

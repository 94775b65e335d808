// The choice of the one image of an icon file that a mouse pointer is drawn from, made from the
// directory and the images' headers alone, so that no other image is ever decoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace freefall {

struct IconChoice
{
    std::size_t offset = 0; // where the image's data starts in the file
    std::size_t size = 0;   // bytes of data, all inside the file
    int width = 0;
    int height = 0;
};

// The largest image a pointer can be drawn from; an icon holding a larger one is refused.
inline constexpr int kMaxIconSide = 256;
// The usual pointer size, which the choice aims for.
inline constexpr int kPointerSide = 32;

// The largest image that fits kPointerSide square, or else the smallest. Throws
// RuntimeError(InvalidPicture) unless the file is an icon whose images all lie inside it, after
// the directory and sharing no byte with another, each a PNG or a bitmap whose own header gives
// at most kMaxIconSide pixels each way.
IconChoice choosePointerImage(std::span<const std::uint8_t> file);

} // namespace freefall

// The directory of an icon file and the choice of the one image a mouse pointer is drawn from,
// made from the images' headers alone so that no other image is ever decoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace freefall {

// One image of an icon file, as its own header describes it. The directory's size and depth
// fields are only hints that writers often leave at zero; the header is what a decoder obeys.
struct IconImage
{
    enum class Encoding
    {
        Png, // a complete PNG stream
        Dib, // a bitmap info header, the colour table, the colour bitmap and a 1-bit mask
    };

    Encoding encoding = Encoding::Dib;
    std::size_t offset = 0; // where its data starts in the file
    std::size_t size = 0;   // bytes of data, all inside the file
    int width = 0;
    int height = 0;
    int bitCount = 0; // bits per pixel, alpha included
};

// The largest image a pointer can be drawn from; an icon holding a larger one is refused.
inline constexpr int kMaxIconSide = 256;
// The usual pointer size, which the choice aims for.
inline constexpr int kPointerSide = 32;

// Reads the directory of an icon file and the header of every image it lists. Throws
// RuntimeError(InvalidPicture) unless the file is an icon whose images all lie inside it, each
// after the directory and sharing no byte with another, and each is a PNG or an uncompressed
// 1, 4, 8, 24 or 32-bit bitmap (with its mask below 24 bits), at most kMaxIconSide pixels wide and
// high.
std::vector<IconImage> readIconDirectory(std::span<const std::uint8_t> file);

// The image of the file that the pointer is drawn from: the largest that fits kPointerSide
// square, or else the smallest, to be scaled down; between equal sizes the deeper colour, then
// the earlier entry. Throws as readIconDirectory.
IconImage choosePointerImage(std::span<const std::uint8_t> file);

} // namespace freefall

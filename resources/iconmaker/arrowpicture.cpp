// Draws the program's picture: an upward arrow with a dithered shaft and a drop shadow.
#include "resources/iconmaker/arrowpicture.h"

#include "resources/iconmaker/palette.h"

#include <array>
#include <cstdlib>
#include <stdexcept>

namespace iconmaker {
namespace {

// Each size is laid out by hand: scaling one drawing down blurs the head's edges and the
// dither pattern beyond recognition at 16 pixels. The larger sizes, for icon themes and software
// centres, follow the 32-pixel layout at two, four and eight times (48 at one and a half); the
// head keeps its one-pixel steps, so its sides stay sharp, while the outline and the dither's
// squares grow with the scale. 20, 24 and 40 are what Windows asks for at 125 and 150 percent
// (title bar and taskbar), kept to the proportions of 16 and 32 in whole pixels.
struct Layout
{
    int centre;      // column of the tip
    int top;         // row of the tip
    int headRows;    // the head widens by one pixel on each side per row
    int shaftHalf;   // half-width of the shaft, outline included
    int shaftBottom; // last row of the shaft, its bottom outline
    // The shadow is the arrow moved right and down; further right than down, or along the
    // head's 45-degree right side it would hide behind the arrow itself.
    int shadowRight;
    int shadowDown;
    int outline; // width of the shaft's outline
    int cell;    // side of one square of the checkerboard
};

Layout layoutFor(int size)
{
    switch (size) {
    case 256:
        return {116, 16, 96, 36, 231, 24, 16, 8, 8};
    case 128:
        return {58, 8, 48, 18, 115, 12, 8, 4, 4};
    case 64:
        return {29, 4, 24, 9, 57, 6, 4, 2, 2};
    case 48:
        return {21, 3, 18, 6, 43, 5, 3, 2, 1};
    case 40:
        return {17, 2, 15, 5, 35, 4, 3, 1, 1};
    case 32:
        return {14, 2, 12, 4, 28, 3, 2, 1, 1};
    case 24:
        return {10, 1, 9, 3, 21, 3, 2, 1, 1};
    case 20:
        return {8, 1, 8, 2, 17, 2, 1, 1, 1};
    case 16:
        return {7, 1, 6, 2, 14, 2, 1, 1, 1};
    default:
        throw std::invalid_argument("no arrow layout for this size");
    }
}

bool inHead(const Layout &l, int x, int y)
{
    const int row = y - l.top;
    return row >= 0 && row < l.headRows && std::abs(x - l.centre) <= row;
}

bool inShaft(const Layout &l, int x, int y)
{
    return y >= l.top + l.headRows && y <= l.shaftBottom && std::abs(x - l.centre) <= l.shaftHalf;
}

bool inArrow(const Layout &l, int x, int y)
{
    return inHead(l, x, y) || inShaft(l, x, y);
}

// The shaft runs from black to white in seven equal bands: each solid grey, and between two
// neighbours a checkerboard of both, the only in-between shade 4 bits per pixel allow without
// leaving the greys. A checkerboard, unlike finer ordered dithers, stays even when a band is
// a single row high.
Colour shaftInterior(const Layout &l, int x, int y)
{
    static constexpr std::array<Colour, 4> levels{Black, DarkGrey, LightGrey, White};
    constexpr int bands = 7;
    const int firstRow = l.top + l.headRows;
    const int rows = l.shaftBottom + 1 - l.outline - firstRow; // the bottom outline is not interior
    const int band = (y - firstRow) * bands / rows;
    const int lighter = band % 2 == 1 && (x / l.cell + y / l.cell) % 2 == 1 ? 1 : 0;
    return levels[static_cast<std::size_t>(band / 2 + lighter)];
}

Colour arrowColour(const Layout &l, int x, int y)
{
    if (inHead(l, x, y))
        return Black;
    // A black outline keeps the white end of the shaft visible on light backgrounds.
    if (std::abs(x - l.centre) > l.shaftHalf - l.outline || y > l.shaftBottom - l.outline)
        return Black;
    return shaftInterior(l, x, y);
}

} // namespace

IndexedImage drawArrow(int size)
{
    const Layout l = layoutFor(size);
    IndexedImage image(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::size_t i = image.at(x, y);
            if (inArrow(l, x, y)) {
                image.index[i] = arrowColour(l, x, y);
                image.opaque[i] = true;
            } else if (inArrow(l, x - l.shadowRight, y - l.shadowDown)) {
                image.index[i] = LightGrey;
                image.opaque[i] = true;
            }
        }
    }
    return image;
}

} // namespace iconmaker

// Draws the program's picture: an upward arrow with a dithered shaft and a drop shadow.
#include "arrowpicture.h"

#include "palette.h"

#include <array>
#include <cstdlib>
#include <stdexcept>

namespace iconmaker {
namespace {

// Each size is laid out by hand: scaling one drawing down blurs the head's edges and the
// dither pattern beyond recognition at 16 pixels.
struct Layout
{
    int centre;      // column of the tip
    int top;         // row of the tip
    int headRows;    // the head widens by one pixel on each side per row
    int shaftHalf;   // half-width of the shaft, outline included
    int shaftBottom; // last row of the shaft, its bottom outline
    int shadowShift; // the shadow is the arrow moved this far right and down
    int blendSteps;  // dithered bands from one grey to the next, the solid one included
};

Layout layoutFor(int size)
{
    switch (size) {
    case 32:
        return {14, 1, 12, 4, 28, 2, 4};
    case 16:
        return {7, 1, 6, 2, 14, 1, 2};
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

// The shaft runs from black to white in bands: each solid grey, then its 2x2 ordered-dither
// blends with the next one, the only in-between shades 4 bits per pixel allow without
// leaving the greys.
Colour shaftInterior(const Layout &l, int x, int y)
{
    static constexpr std::array<Colour, 4> levels{Black, DarkGrey, LightGrey, White};
    static constexpr int bayer[2][2] = {{0, 2}, {3, 1}};
    const int bands = 3 * l.blendSteps + 1;
    const int firstRow = l.top + l.headRows;
    const int rows = l.shaftBottom - firstRow; // the bottom outline row is not interior
    const int band = ((y - firstRow) * (bands - 1) + (rows - 1) / 2) / (rows - 1);
    const int lower = band / l.blendSteps;
    const int quarters = band % l.blendSteps * 4 / l.blendSteps; // share of the lighter grey
    const bool lighter = bayer[y % 2][x % 2] < quarters;
    return levels[static_cast<std::size_t>(lower + (lighter ? 1 : 0))];
}

Colour arrowColour(const Layout &l, int x, int y)
{
    if (inHead(l, x, y))
        return Black;
    // A black outline keeps the white end of the shaft visible on light backgrounds.
    if (std::abs(x - l.centre) == l.shaftHalf || y == l.shaftBottom)
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
            } else if (inArrow(l, x - l.shadowShift, y - l.shadowShift)) {
                image.index[i] = LightGrey;
                image.opaque[i] = true;
            }
        }
    }
    return image;
}

} // namespace iconmaker

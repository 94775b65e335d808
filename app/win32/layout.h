// Twips to pixels at a window's dots per inch: the design's reference layout is 15 twips to the
// pixel at 96 dpi, and every other DPI scales it, as it scales the fonts' points.
#pragma once

#include "app/design/freefalldesign.h"

#include <windows.h>

#include <cmath>

namespace freefall {

class Layout
{
public:
    explicit Layout(int dpi) : dpi_(dpi) {}

    int dpi() const { return dpi_; }
    int pixels(int twips) const { return MulDiv(twips, dpi_, 1440); }
    RECT rect(const design::Twips &t) const
    {
        const int left = pixels(t.left);
        const int top = pixels(t.top);
        return RECT{left, top, left + pixels(t.width), top + pixels(t.height)};
    }
    // A font's height in pixels, for CreateFont's negative (character) height.
    int fontPixels(double points) const { return int(std::lround(points * dpi_ / 72.0)); }

private:
    int dpi_;
};

} // namespace freefall

// Twips to pixels at a window's dots per inch: the design's layout is 15 twips to the pixel at
// 96 dpi, and every other DPI scales it as it scales the fonts' points.
#pragma once

#include "app/design/freefalldesign.h"

#include <cmath>

namespace freefall::design {

struct PixelRect
{
    int left;
    int top;
    int width;
    int height;
};

class TwipsScale
{
public:
    explicit constexpr TwipsScale(double dpi) : dpi_(dpi) {}

    // Rounded half away from zero, as Windows' MulDiv rounds.
    int pixels(int twips) const { return int(std::lround(twips * dpi_ / kTwipsPerInch)); }
    PixelRect rect(const Twips &t) const
    {
        return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
    }
    // A font's character height in pixels.
    int fontPixels(double points) const { return int(std::lround(points * dpi_ / 72.0)); }

private:
    static constexpr double kTwipsPerInch = kTwipsPerPixel * kReferenceDpi;
    double dpi_;
};

} // namespace freefall::design

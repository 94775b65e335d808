// Luminance from the sRGB transfer curve; colours mixed channel by channel in steps of one
// 8-bit level, so that the colour returned, not only an ideal one, meets the minimum.
#include "runtime/readablecolour.h"

#include <algorithm>
#include <cmath>

namespace freefall {

namespace {

Colour rgb(int r, int g, int b)
{
    return Colour(r) | Colour(g) << 8 | Colour(b) << 16;
}

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Halves round up, whichever way the mix goes.
Colour mix(Colour from, Colour to, int step, int steps)
{
    const auto channel = [&](int a, int b) {
        return a + int(std::floor((b - a) * double(step) / steps + 0.5));
    };
    return rgb(channel(red(from), red(to)), channel(green(from), green(to)),
               channel(blue(from), blue(to)));
}

} // namespace

double relativeLuminance(Colour colour)
{
    return 0.2126 * linear(red(colour)) + 0.7152 * linear(green(colour)) +
           0.0722 * linear(blue(colour));
}

double contrastRatio(Colour a, Colour b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour readableTextOn(Colour background, Colour themeText)
{
    themeText &= 0xFFFFFF;
    if (contrastRatio(themeText, background) >= kTextContrast)
        return themeText;
    return contrastRatio(colours::Black, background) >= contrastRatio(colours::White, background)
               ? colours::Black
               : colours::White;
}

Colour nearestReadable(Colour colour, Colour background, double minimumContrast)
{
    colour &= 0xFFFFFF;
    if (contrastRatio(colour, background) >= minimumContrast)
        return colour;
    const Colour towards =
        contrastRatio(colours::White, background) > contrastRatio(colours::Black, background)
            ? colours::White
            : colours::Black;
    // Moving towards the far end first crosses the background's own lightness when the colour
    // starts on the near side of it, so the first step that reads is the one wanted.
    constexpr int steps = 255;
    for (int step = 1; step <= steps; ++step) {
        const Colour mixed = mix(colour, towards, step, steps);
        if (contrastRatio(mixed, background) >= minimumContrast)
            return mixed;
    }
    return towards;
}

double minimumCaptionContrast(Colour caption)
{
    return caption == colours::Red ? kMarkContrast : kTextContrast;
}

} // namespace freefall

// Luminance from the sRGB transfer curve; colours mixed channel by channel in steps of one
// 8-bit level, so that the colour returned, not only an ideal one, meets the minimum.
#include "runtime/qt/readablecolour.h"

#include <algorithm>
#include <cmath>

namespace freefall {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QColor mix(const QColor &from, const QColor &to, int step, int steps)
{
    const auto channel = [&](int a, int b) { return a + qRound((b - a) * double(step) / steps); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableTextOn(const QColor &background, const QColor &themeText)
{
    if (contrastRatio(themeText, background) >= kTextContrast)
        return themeText;
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QColor nearestReadable(const QColor &colour, const QColor &background, double minimumContrast)
{
    const QColor rgb = colour.toRgb();
    if (contrastRatio(rgb, background) >= minimumContrast)
        return rgb;
    const QColor black(Qt::black), white(Qt::white);
    const QColor towards =
        contrastRatio(white, background) > contrastRatio(black, background) ? white : black;
    // Moving towards the far end first crosses the background's own lightness when the colour
    // starts on the near side of it, so the first step that reads is the one wanted.
    constexpr int steps = 255;
    for (int step = 1; step <= steps; ++step) {
        const QColor mixed = mix(rgb, towards, step, steps);
        if (contrastRatio(mixed, background) >= minimumContrast)
            return mixed;
    }
    return towards;
}

} // namespace freefall

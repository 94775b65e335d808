// Contrast between colours as the Web Content Accessibility Guidelines measure it, and the
// choice of a colour that reads on a given background.
#pragma once

#include <QColor>

namespace freefall {

// Text against its background.
inline constexpr double kTextContrast = 4.5;
// A caption whose colour marks a state also shown otherwise (the checked indicator beside it).
inline constexpr double kMarkContrast = 3.0;

// 0 for black to 1 for white, from the linearised sRGB channels.
double relativeLuminance(const QColor &colour);
// From 1 (no difference) to 21 (black on white), the same either way round.
double contrastRatio(const QColor &a, const QColor &b);

// The theme's text colour where it reads on the background, else black or white, whichever
// reads better.
QColor readableTextOn(const QColor &background, const QColor &themeText);

// The colour itself where it reads; else the least mix of it with white (on a dark background)
// or black (on a light one) that does, so that its hue stays. Where no mix reaches the minimum,
// white or black, whichever comes closer.
QColor nearestReadable(const QColor &colour, const QColor &background, double minimumContrast);

} // namespace freefall

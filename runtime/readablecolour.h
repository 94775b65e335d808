// Contrast between colours as the Web Content Accessibility Guidelines measure it, and the
// choice of a colour that reads on a given background: the one rule by which every window of
// the program keeps the design's colours legible on the desktop's own.
#pragma once

#include "runtime/forms.h"

namespace freefall {

// Text against its background.
inline constexpr double kTextContrast = 4.5;
// A caption whose colour marks a state also shown otherwise (the checked indicator beside it).
inline constexpr double kMarkContrast = 3.0;

// 0 for black to 1 for white, from the linearised sRGB channels.
double relativeLuminance(Colour colour);
// From 1 (no difference) to 21 (black on white), the same either way round.
double contrastRatio(Colour a, Colour b);

// The theme's text colour where it reads on the background, else black or white, whichever
// reads better.
Colour readableTextOn(Colour background, Colour themeText);

// The colour itself where it reads; else the least mix of it with white (on a dark background)
// or black (on a light one) that does, so that its hue stays. Where no mix reaches the minimum,
// white or black, whichever comes closer.
Colour nearestReadable(Colour colour, Colour background, double minimumContrast);

// The contrast a caption in the design's colour must reach: red marks the selected mode, which
// the checked indicator shows as well, so it is held to 3 to 1 (the design's red on a light
// button face has 3.5); any other colour is plain text.
double minimumCaptionContrast(Colour caption);

} // namespace freefall

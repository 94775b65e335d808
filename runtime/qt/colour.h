// Colours of the forms runtime, 0x00BBGGRR, as Qt colours and back.
#pragma once

#include "runtime/forms.h"

#include <QColor>

namespace freefall {

inline QColor toQColor(Colour colour)
{
    return QColor(red(colour), green(colour), blue(colour));
}

// The colour's red, green and blue; alpha has no place in the forms' colours.
inline Colour toColour(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return Colour(rgb.red()) | Colour(rgb.green()) << 8 | Colour(rgb.blue()) << 16;
}

} // namespace freefall

// Colours of the forms runtime, 0x00BBGGRR, as Qt colours.
#pragma once

#include "runtime/forms.h"

#include <QColor>

namespace freefall {

inline QColor toQColor(Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace freefall

// ForeColor as the caption colour of a radio button, kept readable on the window behind it.
#include "runtime/qt/qtoptionbutton.h"

#include "runtime/qt/colour.h"
#include "runtime/qt/designedcolours.h"
#include "runtime/qt/readablecolour.h"

#include <QRadioButton>

namespace freefall {

QtOptionButton::QtOptionButton(QRadioButton *button) : button_(button) {}

void QtOptionButton::setForeColor(Colour colour)
{
    if (!button_)
        return;
    // Red marks the selected mode, which the checked indicator shows as well, so it is held to
    // 3 to 1 (the design's red on a light button face has 3.5), not to the 4.5 of plain text.
    const double minimum = colour == colours::Red ? kMarkContrast : kTextContrast;
    DesignedColours::of(button_).setForeground(toQColor(colour), minimum);
}

} // namespace freefall

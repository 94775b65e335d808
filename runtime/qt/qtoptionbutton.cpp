// ForeColor as the caption colour of a radio button, kept readable on the window behind it.
#include "runtime/qt/qtoptionbutton.h"

#include "runtime/qt/colour.h"
#include "runtime/qt/designedcolours.h"
#include "runtime/readablecolour.h"

#include <QRadioButton>

namespace freefall {

QtOptionButton::QtOptionButton(QRadioButton *button) : button_(button) {}

void QtOptionButton::setForeColor(Colour colour)
{
    if (!button_)
        return;
    DesignedColours::of(button_).setForeground(toQColor(colour), minimumCaptionContrast(colour));
}

} // namespace freefall

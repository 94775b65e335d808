// ForeColor as the caption colour of a radio button.
#include "qtoptionbutton.h"

#include "colour.h"

#include <QRadioButton>

namespace freefall {

QtOptionButton::QtOptionButton(QRadioButton *button) : button_(button) {}

void QtOptionButton::setForeColor(Colour colour)
{
    if (!button_)
        return;
    // Styles draw a radio button's caption in WindowText, some in ButtonText; set both.
    QPalette palette = button_->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    palette.setColor(QPalette::ButtonText, toQColor(colour));
    button_->setPalette(palette);
}

} // namespace freefall

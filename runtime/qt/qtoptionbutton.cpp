// Option button selection as the Click event, ForeColor as the caption colour.
#include "qtoptionbutton.h"

#include "colour.h"

#include <QRadioButton>

namespace freefall {

QtOptionButton::QtOptionButton(QRadioButton *button, EventDispatch &dispatch)
    : button_(button), dispatch_(dispatch)
{
    toggled_ = QObject::connect(button, &QAbstractButton::toggled, button, [this](bool checked) {
        if (checked && click_)
            dispatch_.raise(click_);
    });
}

QtOptionButton::~QtOptionButton()
{
    QObject::disconnect(toggled_);
}

void QtOptionButton::onClick(std::function<void()> handler)
{
    click_ = std::move(handler);
}

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

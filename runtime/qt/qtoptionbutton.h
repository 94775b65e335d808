// An option button of the forms runtime on a Qt radio button.
#pragma once

#include "eventdispatch.h"
#include "forms.h"

#include <QMetaObject>
#include <QPointer>

#include <functional>

class QRadioButton;

namespace freefall {

class QtOptionButton final : public OptionButton
{
public:
    QtOptionButton(QRadioButton *button, EventDispatch &dispatch);
    ~QtOptionButton() override;
    QtOptionButton(const QtOptionButton &) = delete;
    QtOptionButton &operator=(const QtOptionButton &) = delete;

    // The Click handler, raised when the button becomes the selected one of its group, by
    // mouse, access key or arrow key. Choosing the button that is already selected changes
    // nothing and raises nothing, so a stray click cannot wipe the typed speed.
    void onClick(std::function<void()> handler);

    void setForeColor(Colour colour) override;

private:
    QPointer<QRadioButton> button_;
    EventDispatch &dispatch_;
    std::function<void()> click_;
    QMetaObject::Connection toggled_;
};

} // namespace freefall

// An option button of the forms runtime on a Qt radio button.
#pragma once

#include "runtime/forms.h"

#include <QPointer>

class QRadioButton;

namespace freefall {

class QtOptionButton final : public OptionButton
{
public:
    explicit QtOptionButton(QRadioButton *button);

    void setForeColor(Colour colour) override;

private:
    QPointer<QRadioButton> button_;
};

} // namespace freefall

// A text box of the forms runtime on a Qt line edit.
#pragma once

#include "runtime/eventdispatch.h"
#include "runtime/forms.h"

#include <QPointer>

namespace freefall {

class TextBoxEdit;

class QtTextBox final : public TextBox
{
public:
    // The edit's maximum length is the box's; the window that owns the edit sets it, and wires
    // its textChanged signal, which comes nested inside a program write, to the Change event.
    QtTextBox(TextBoxEdit *edit, EventDispatch &dispatch);

    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    void setBackColor(Colour colour) override;
    void setLocked(bool locked) override;
    void setTabStop(bool tabStop) override;
    void setFocus() override;

private:
    QPointer<TextBoxEdit> edit_;
    EventDispatch &dispatch_;
};

} // namespace freefall

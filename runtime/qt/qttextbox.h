// A text box of the forms runtime on a Qt line edit.
#pragma once

#include "eventdispatch.h"
#include "forms.h"

#include <QMetaObject>
#include <QPointer>

#include <functional>

namespace freefall {

class TextBoxEdit;

class QtTextBox final : public TextBox
{
public:
    // The edit's maximum length is the box's; the window that owns the edit sets it.
    QtTextBox(TextBoxEdit *edit, EventDispatch &dispatch);
    ~QtTextBox() override;
    QtTextBox(const QtTextBox &) = delete;
    QtTextBox &operator=(const QtTextBox &) = delete;

    // The Change handler, raised after every change of the text, typed or written.
    void onChange(std::function<void()> handler);

    QString text() const override;
    void setText(const QString &text) override;
    void setBackColor(Colour colour) override;
    void setLocked(bool locked) override;
    void setTabStop(bool tabStop) override;
    void setFocus() override;

private:
    void raiseChange();

    QPointer<TextBoxEdit> edit_;
    EventDispatch &dispatch_;
    std::function<void()> change_;
    QMetaObject::Connection textChanged_;
};

} // namespace freefall

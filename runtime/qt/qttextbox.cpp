// Text box properties as line-edit state: Locked is read-only (still focusable and selectable),
// TabStop is whether Tab may give the focus, BackColor is the base colour of the palette, with a
// text colour that reads on it.
#include "qttextbox.h"

#include "colour.h"
#include "designedcolours.h"
#include "textboxedit.h"

namespace freefall {

QtTextBox::QtTextBox(TextBoxEdit *edit, EventDispatch &dispatch) : edit_(edit), dispatch_(dispatch)
{
    // textChanged, unlike textEdited, also comes from setText, inside the write.
    textChanged_ = QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { raiseChange(); });
}

QtTextBox::~QtTextBox()
{
    QObject::disconnect(textChanged_);
}

void QtTextBox::onChange(std::function<void()> handler)
{
    change_ = std::move(handler);
}

QString QtTextBox::text() const
{
    return edit_ ? edit_->text() : QString();
}

// QLineEdit::setText keeps the first maxLength() characters and emits textChanged only when the
// text differs, as the box's Change event does.
void QtTextBox::setText(const QString &text)
{
    if (!edit_)
        return;
    dispatch_.write([&] { edit_->setText(text); });
}

void QtTextBox::setBackColor(Colour colour)
{
    if (!edit_)
        return;
    DesignedColours::of(edit_).setBackground(toQColor(colour));
}

void QtTextBox::setLocked(bool locked)
{
    if (edit_)
        edit_->setReadOnly(locked);
}

void QtTextBox::setTabStop(bool tabStop)
{
    if (edit_)
        edit_->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void QtTextBox::setFocus()
{
    if (edit_)
        edit_->setFocus(Qt::OtherFocusReason);
}

void QtTextBox::raiseChange()
{
    if (change_)
        dispatch_.raise(change_);
}

} // namespace freefall

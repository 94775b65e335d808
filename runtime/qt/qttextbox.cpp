// Text box properties as line-edit state: Locked is read-only (still focusable and selectable),
// TabStop is whether Tab may give the focus, BackColor is the base colour of the palette, with a
// text colour that reads on it.
#include "runtime/qt/qttextbox.h"

#include "runtime/qt/colour.h"
#include "runtime/qt/designedcolours.h"
#include "runtime/qt/qttext.h"
#include "runtime/qt/textboxedit.h"

namespace freefall {

QtTextBox::QtTextBox(TextBoxEdit *edit, EventDispatch &dispatch) : edit_(edit), dispatch_(dispatch)
{
}

std::u16string QtTextBox::text() const
{
    return edit_ ? toU16String(edit_->text()) : std::u16string();
}

// QLineEdit::setText keeps the first maxLength() characters and emits textChanged only when the
// text differs, as the box's Change event does.
void QtTextBox::setText(std::u16string_view text)
{
    if (!edit_)
        return;
    dispatch_.write([&] { edit_->setText(toQString(text)); });
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

} // namespace freefall

// Text box properties as EDIT state: Locked is EM_SETREADONLY (still focusable and selectable),
// TabStop is the WS_TABSTOP style the dialog manager's Tab follows, BackColor is the brush
// the owner hands out for the edit's background, with a text colour that reads on it.
#include "runtime/win32/win32textbox.h"

#include "runtime/win32/controlcolours.h"
#include "runtime/win32/widetext.h"
#include "runtime/win32/windowtext.h"

namespace freefall {

Win32TextBox::Win32TextBox(HWND edit, int maxLength, EventDispatch &dispatch)
    : edit_(edit), maxLength_(std::size_t(maxLength)), dispatch_(dispatch)
{
    SendMessageW(edit_, EM_LIMITTEXT, WPARAM(maxLength), 0);
    seen_ = text();
}

std::u16string Win32TextBox::text() const
{
    return fromWide(windowText(edit_));
}

// EM_LIMITTEXT limits typing and pasting only; a program write is cut here. Writing the same
// text again is no change and raises nothing.
void Win32TextBox::setText(std::u16string_view text)
{
    const std::u16string_view cut = text.substr(0, maxLength_);
    if (cut == this->text())
        return;
    const std::wstring wide = toWide(cut);
    dispatch_.write([&] { SetWindowTextW(edit_, wide.c_str()); });
}

void Win32TextBox::setBackColor(Colour colour)
{
    if (backColor_ == colour)
        return;
    backColor_ = colour;
    InvalidateRect(edit_, nullptr, TRUE);
}

void Win32TextBox::setLocked(bool locked)
{
    SendMessageW(edit_, EM_SETREADONLY, locked, 0);
}

void Win32TextBox::setTabStop(bool tabStop)
{
    LONG_PTR style = GetWindowLongPtrW(edit_, GWL_STYLE);
    style = tabStop ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP);
    SetWindowLongPtrW(edit_, GWL_STYLE, style);
}

void Win32TextBox::setFocus()
{
    SetFocus(edit_);
}

bool Win32TextBox::takeChange()
{
    std::u16string now = text();
    if (now == seen_)
        return false;
    seen_ = std::move(now);
    return true;
}

HBRUSH Win32TextBox::colourFor(HDC dc)
{
    const TextColours colours = textBoxColours(currentSystemColours(), backColor_, locked());
    SetTextColor(dc, COLORREF(colours.text));
    SetBkColor(dc, COLORREF(colours.background));
    if (!brush_ || brushColour_ != colours.background) {
        brush_.reset(CreateSolidBrush(COLORREF(colours.background)));
        brushColour_ = colours.background;
    }
    return brush_.get();
}

bool Win32TextBox::locked() const
{
    return (GetWindowLongPtrW(edit_, GWL_STYLE) & ES_READONLY) != 0;
}

bool Win32TextBox::tabStop() const
{
    return (GetWindowLongPtrW(edit_, GWL_STYLE) & WS_TABSTOP) != 0;
}

} // namespace freefall

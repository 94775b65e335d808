// A text box of the forms runtime on a single-line EDIT control.
#pragma once

#include "runtime/eventdispatch.h"
#include "runtime/forms.h"
#include "runtime/win32/gdiobject.h"

#include <windows.h>

#include <optional>
#include <string>

namespace freefall {

class Win32TextBox final : public TextBox
{
public:
    // Limits the edit to the box's maximum length. The window that owns the edit passes each
    // EN_CHANGE to takeChange and raises the Change event when it answers true; a program
    // write sends EN_CHANGE nested inside it.
    Win32TextBox(HWND edit, int maxLength, EventDispatch &dispatch);

    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    void setBackColor(Colour colour) override;
    void setLocked(bool locked) override;
    void setTabStop(bool tabStop) override;
    void setFocus() override;

    // Whether the text differs from the text at the previous EN_CHANGE: the edit also notifies
    // when a selection is replaced by the same characters, which is no change of the text.
    bool takeChange();

    // Colours the edit for WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC while it is read-only, by the
    // system's colours as they are now (controlcolours.h), and returns the brush of its
    // background.
    HBRUSH colourFor(HDC dc);

    HWND hwnd() const { return edit_; }
    bool locked() const;
    bool tabStop() const;
    // None: the platform's window colour.
    std::optional<Colour> backColor() const { return backColor_; }

private:
    HWND edit_;
    std::size_t maxLength_;
    EventDispatch &dispatch_;
    std::u16string seen_;
    std::optional<Colour> backColor_;
    UniqueBrush brush_; // of brushColour_
    Colour brushColour_ = 0;
};

} // namespace freefall

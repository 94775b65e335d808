// An option button of the forms runtime on an auto radio BUTTON control, whose caption the
// owner draws in the button's fore colour, kept readable on the button face (controlcolours.h).
#pragma once

#include "runtime/forms.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>

namespace freefall {

class Win32OptionButton final : public OptionButton
{
public:
    explicit Win32OptionButton(HWND button) : button_(button) {}

    void setForeColor(Colour colour) override;

    // NM_CUSTOMDRAW from the button: draws the whole button with the caption in its colour,
    // since a themed button draws its caption in the theme's colour whatever it is told.
    LRESULT customDraw(const NMCUSTOMDRAW &draw) const;
    // WM_CTLCOLORSTATIC from the button, for the classic drawing where no custom draw comes.
    HBRUSH colourFor(HDC dc) const;

    HWND hwnd() const { return button_; }
    // None: the platform's button text colour.
    std::optional<Colour> foreColor() const { return foreColor_; }

private:
    COLORREF captionColour() const;

    HWND button_;
    std::optional<Colour> foreColor_;
};

} // namespace freefall

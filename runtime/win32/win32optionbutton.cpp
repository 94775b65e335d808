// The option button's caption colour. With visual styles the button is drawn here as the theme
// draws it (glyph, caption, focus rectangle, access-key underline) except for the caption's
// colour; without them the classic glyph is drawn instead.
#include "runtime/win32/win32optionbutton.h"

#include "runtime/win32/controlcolours.h"
#include "runtime/win32/windowtext.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <string>

namespace freefall {

namespace {

int themeState(bool checked, UINT itemState)
{
    if (itemState & CDIS_DISABLED)
        return checked ? RBS_CHECKEDDISABLED : RBS_UNCHECKEDDISABLED;
    if (itemState & CDIS_SELECTED)
        return checked ? RBS_CHECKEDPRESSED : RBS_UNCHECKEDPRESSED;
    if (itemState & CDIS_HOT)
        return checked ? RBS_CHECKEDHOT : RBS_UNCHECKEDHOT;
    return checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
}

// Draws the round glyph at the left, vertically centred, and returns where the caption starts.
int drawGlyph(HWND button, HDC dc, const RECT &bounds, bool checked, UINT itemState)
{
    const int dpi = int(GetDpiForWindow(button));
    if (HTHEME theme = GetWindowTheme(button)) {
        SIZE size{};
        const int state = themeState(checked, itemState);
        GetThemePartSize(theme, dc, BP_RADIOBUTTON, state, nullptr, TS_DRAW, &size);
        const int top = (bounds.top + bounds.bottom - size.cy) / 2;
        RECT glyph{bounds.left, top, bounds.left + size.cx, top + size.cy};
        DrawThemeBackground(theme, dc, BP_RADIOBUTTON, state, &glyph, nullptr);
        return glyph.right + MulDiv(3, dpi, 96);
    }
    const int side = MulDiv(13, dpi, 96);
    const int top = (bounds.top + bounds.bottom - side) / 2;
    RECT glyph{bounds.left, top, bounds.left + side, top + side};
    UINT flags = DFCS_BUTTONRADIO;
    if (checked)
        flags |= DFCS_CHECKED;
    if (itemState & CDIS_SELECTED)
        flags |= DFCS_PUSHED;
    DrawFrameControl(dc, &glyph, DFC_BUTTON, flags);
    return glyph.right + MulDiv(4, dpi, 96);
}

} // namespace

void Win32OptionButton::setForeColor(Colour colour)
{
    foreColor_ = colour;
    InvalidateRect(button_, nullptr, TRUE);
}

COLORREF Win32OptionButton::captionColour() const
{
    return COLORREF(freefall::captionColour(currentSystemColours(), foreColor_));
}

LRESULT Win32OptionButton::customDraw(const NMCUSTOMDRAW &draw) const
{
    if (draw.dwDrawStage != CDDS_PREPAINT)
        return CDRF_DODEFAULT;
    HDC dc = draw.hdc;
    const RECT bounds = draw.rc;
    FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));

    const bool checked = SendMessageW(button_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    RECT caption = bounds;
    caption.left = drawGlyph(button_, dc, bounds, checked, draw.uItemState);

    const LRESULT cues = SendMessageW(button_, WM_QUERYUISTATE, 0, 0);
    const std::wstring text = windowText(button_);
    HGDIOBJ oldFont = SelectObject(dc, HFONT(SendMessageW(button_, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, captionColour());
    const UINT format =
        DT_SINGLELINE | DT_VCENTER | DT_LEFT | ((cues & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0);
    DrawTextW(dc, text.c_str(), int(text.size()), &caption, format);

    if ((draw.uItemState & CDIS_FOCUS) && !(cues & UISF_HIDEFOCUS)) {
        RECT measured = caption;
        DrawTextW(dc, text.c_str(), int(text.size()), &measured, format | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        measured.top = (caption.top + caption.bottom - height) / 2;
        measured.bottom = measured.top + height;
        InflateRect(&measured, 1, 1);
        IntersectRect(&measured, &measured, &bounds);
        DrawFocusRect(dc, &measured);
    }
    SelectObject(dc, oldFont);
    return CDRF_SKIPDEFAULT;
}

HBRUSH Win32OptionButton::colourFor(HDC dc) const
{
    SetTextColor(dc, captionColour());
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace freefall

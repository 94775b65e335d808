// The owner of the window answers WM_SETCURSOR with customCursor(); a change of pointer is
// shown at once by asking the window under the mouse to set its cursor again.
#include "runtime/win32/win32formservices.h"

#include "runtime/win32/widetext.h"
#include "runtime/win32/win32picture.h"

namespace freefall {

void Win32FormServices::setMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    refreshPointer();
}

void Win32FormServices::setMouseIcon(PicturePtr picture)
{
    icon_ = std::dynamic_pointer_cast<const Win32Picture>(std::move(picture));
    refreshPointer();
}

PicturePtr Win32FormServices::loadPicture(std::u16string_view path)
{
    return Win32Picture::load(path);
}

// Buttons value 0 is MB_OK, with no icon: the values of the forms runtime are the platform's.
void Win32FormServices::msgBox(std::u16string_view prompt, int buttons, std::u16string_view title)
{
    const std::wstring text = toWide(prompt);
    const std::wstring caption = toWide(title);
    MessageBoxW(window_, text.c_str(), caption.c_str(), UINT(buttons));
}

HCURSOR Win32FormServices::customCursor() const
{
    if (pointer_ != MousePointer::Custom || !icon_)
        return nullptr;
    return icon_->icon();
}

void Win32FormServices::refreshPointer() const
{
    POINT where{};
    if (!GetCursorPos(&where))
        return;
    HWND under = WindowFromPoint(where);
    if (!under || (under != window_ && !IsChild(window_, under)))
        return;
    const auto hit = LRESULT(SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(where.x, where.y)));
    SendMessageW(under, WM_SETCURSOR, WPARAM(under), MAKELPARAM(hit, WM_MOUSEMOVE));
}

} // namespace freefall

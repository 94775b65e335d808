// The window's mouse pointer, picture loading and the message box on the Win32 API.
#pragma once

#include "runtime/forms.h"

#include <windows.h>

#include <memory>

namespace freefall {

class Win32Picture;

class Win32FormServices final : public FormServices
{
public:
    explicit Win32FormServices(HWND window) : window_(window) {}

    void setMousePointer(MousePointer pointer) override;
    void setMouseIcon(PicturePtr picture) override;
    PicturePtr loadPicture(std::u16string_view path) override;
    void msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override;

    // The custom pointer while one is set and has a picture; none for the ordinary one.
    HCURSOR customCursor() const;
    MousePointer mousePointer() const { return pointer_; }

private:
    void refreshPointer() const;

    HWND window_;
    MousePointer pointer_ = MousePointer::Default;
    std::shared_ptr<const Win32Picture> icon_;
};

} // namespace freefall

// A picture of the forms runtime on Windows: the icon a custom mouse pointer is drawn from.
#pragma once

#include "runtime/forms.h"
#include "runtime/win32/gdiobject.h"

#include <memory>
#include <string_view>

namespace freefall {

class Win32Picture final : public Picture
{
public:
    // Loads the one image of the icon file a pointer is drawn from. Throws RuntimeError
    // (FileNotFound or InvalidPicture) for a file that cannot be loaded.
    static std::shared_ptr<const Win32Picture> load(std::u16string_view path);

    explicit Win32Picture(UniqueIcon icon) : icon_(std::move(icon)) {}

    HICON icon() const { return icon_.get(); }

private:
    UniqueIcon icon_;
};

} // namespace freefall

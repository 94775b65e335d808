// The window's pointer, picture loading and message box on the page.
#pragma once

#include "runtime/forms.h"

namespace freefall {

class WebFormServices final : public FormServices
{
public:
    void setMousePointer(MousePointer pointer) override;
    void setMouseIcon(PicturePtr picture) override;
    // A page reads no files: every load fails as a missing file does.
    PicturePtr loadPicture(std::u16string_view path) override;
    // Shows the page's modal dialog and returns at once; no handler does anything after it.
    void msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override;
};

} // namespace freefall

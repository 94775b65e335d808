// With no icon ever loaded, a custom pointer shows as the ordinary one; the page records the
// pointer's value on the window element.
#include "runtime/web/webformservices.h"

#include "runtime/runtimeerror.h"
#include "runtime/web/pageelements.h"

namespace freefall {

void WebFormServices::setMousePointer(MousePointer pointer)
{
    page::setMousePointer(pointer);
}

void WebFormServices::setMouseIcon(PicturePtr)
{
    // loadPicture never yields a picture, so there is no icon to keep: a custom pointer stays the
    // ordinary one.
}

PicturePtr WebFormServices::loadPicture(std::u16string_view)
{
    throw RuntimeError(RuntimeError::Kind::FileNotFound);
}

void WebFormServices::msgBox(std::u16string_view prompt, int, std::u16string_view title)
{
    page::showMessage(title, prompt);
}

} // namespace freefall

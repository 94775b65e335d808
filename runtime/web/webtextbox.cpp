// Text box properties as input element state: Locked is readOnly (still focusable, selectable
// and copyable), TabStop a tab index in the design's order or none, BackColor the background.
#include "runtime/web/webtextbox.h"

#include "runtime/web/pageelements.h"

namespace freefall {

WebTextBox::WebTextBox(std::u16string_view id, int tabIndex, int maxLength, EventDispatch &dispatch)
    : id_(id), tabIndex_(tabIndex), maxLength_(std::size_t(maxLength)), dispatch_(dispatch)
{
}

std::u16string WebTextBox::text() const
{
    return page::value(id_);
}

// The element's maxlength stops typing and pasting only; a program write is cut here. Setting
// the value raises no input event, so the Change event is raised here, when the text changes.
void WebTextBox::setText(std::u16string_view text)
{
    const std::u16string_view cut = text.substr(0, maxLength_);
    if (cut == page::value(id_))
        return;
    dispatch_.write([&] {
        page::setValue(id_, cut);
        if (changed)
            dispatch_.raise(changed);
    });
}

void WebTextBox::setBackColor(Colour colour)
{
    page::setBackColor(id_, colour);
}

void WebTextBox::setLocked(bool locked)
{
    page::setReadOnly(id_, locked);
}

void WebTextBox::setTabStop(bool tabStop)
{
    page::setTabIndex(id_, tabStop ? tabIndex_ : -1);
}

void WebTextBox::setFocus()
{
    page::focus(id_);
}

} // namespace freefall

// A text box on the page: an input element, found by its design name.
#pragma once

#include "runtime/eventdispatch.h"
#include "runtime/forms.h"

#include <functional>
#include <string>
#include <string_view>

namespace freefall {

class WebTextBox final : public TextBox
{
public:
    // tabIndex is the page's, the element's while it is a tab stop. A program write keeps the
    // first maxLength characters, as the element's maxlength does for typing.
    WebTextBox(std::u16string_view id, int tabIndex, int maxLength, EventDispatch &dispatch);

    // Raised nested inside a program write that changes the text; the page's script raises it
    // for the user's edits.
    std::function<void()> changed;

    std::u16string text() const override;
    void setText(std::u16string_view text) override;
    void setBackColor(Colour colour) override;
    void setLocked(bool locked) override;
    void setTabStop(bool tabStop) override;
    void setFocus() override;

private:
    std::u16string_view id_;
    int tabIndex_;
    std::size_t maxLength_;
    EventDispatch &dispatch_;
};

} // namespace freefall

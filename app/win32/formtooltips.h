// The tooltips of the window's controls, shown by one tooltip control.
#pragma once

#include <windows.h>

#include <string_view>

namespace freefall {

class FormToolTips
{
public:
    explicit FormToolTips(HWND owner);
    ~FormToolTips();
    FormToolTips(const FormToolTips &) = delete;
    FormToolTips &operator=(const FormToolTips &) = delete;

    // The text is shown exactly as given, blanks at its ends included; "&" is not an access key.
    void add(HWND control, std::u16string_view text);

    HWND hwnd() const { return toolTips_; }

private:
    HWND owner_;
    HWND toolTips_;
};

} // namespace freefall

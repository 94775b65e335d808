// The names and descriptions screen readers speak for the window's controls, given through
// the accessibility framework's dynamic annotation, since a text box has no caption of its own.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

struct IAccPropServices;

namespace freefall {

class AccessibleNames
{
public:
    // Needs COM on the calling thread; without it no names are given.
    AccessibleNames();
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames &) = delete;
    AccessibleNames &operator=(const AccessibleNames &) = delete;

    // Returns whether the framework took both texts.
    bool describe(HWND control, std::u16string_view name, std::u16string_view description);
    // Removes every annotation; call before the controls are destroyed.
    void clear();

private:
    IAccPropServices *services_ = nullptr;
    std::vector<HWND> described_;
};

} // namespace freefall

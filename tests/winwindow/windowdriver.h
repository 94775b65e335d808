// Drives the calculator window in the test's own process: creates and shows it, sends keyboard
// input through the system's input queue and runs the window's message loop until it is idle.
#pragma once

#include "app/win32/frmfreefall.h"
#include "logic/boxes.h"
#include "runtime/win32/win32regionalsettings.h"

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace freefall::testing {

class WindowDriver
{
public:
    WindowDriver();
    ~WindowDriver();
    WindowDriver(const WindowDriver &) = delete;
    WindowDriver &operator=(const WindowDriver &) = delete;

    frmFreefall &window() { return *window_; }
    HWND control(std::u16string_view name) const { return window_->control(name); }

    // Runs the message loop as the program does until no message has come for a while.
    void pump();
    // Runs it until the condition holds or the time is up; returns the condition.
    bool pumpUntil(const std::function<bool()> &condition, int milliseconds = 3000);

    // Keyboard input as the user gives it: characters, and keys with modifiers held.
    void type(std::u16string_view text);
    void press(WORD key, std::initializer_list<WORD> modifiers = {});

    std::u16string text(Box box) const;
    std::u16string text(HWND control) const;
    // The design name of the control with the focus, or "(none)".
    std::u16string focusName() const;

private:
    void send(std::vector<INPUT> records);

    bool started_;
    bool sentinelSeen_ = false;
    Win32RegionalSettings regional_;
    std::unique_ptr<frmFreefall> window_;
};

// A key press as INPUT records: down, then up.
INPUT keyDown(WORD key);
INPUT keyUp(WORD key);

} // namespace freefall::testing

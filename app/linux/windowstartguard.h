// Until the window is up, nothing ends the program with a signal or leaves it waiting without
// a word: a fault while the window module loads or while Qt opens the window, and a display
// that takes the connection but never answers, end it with one line and status 2.
#pragma once

#include <string>

namespace freefall {

class WindowStartGuard
{
public:
    // How long the window may take to come up.
    static constexpr int kDeadlineSeconds = 10;

    // Armed for loading module, until windowShown() or the guard's end. One at a time.
    explicit WindowStartGuard(const std::string &module);
    ~WindowStartGuard();
    WindowStartGuard(const WindowStartGuard &) = delete;
    WindowStartGuard &operator=(const WindowStartGuard &) = delete;

    // A fault or a hang from now on happens while opening the window, no longer while loading.
    void moduleLoaded();

    // The window is up: the program's signals are as they were, and it may take its time. A
    // plain function, for the window module to call.
    static void windowShown();
};

} // namespace freefall

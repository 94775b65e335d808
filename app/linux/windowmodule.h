// The window, from the module that holds it and the window libraries, loaded only to open it.
#pragma once

namespace freefall {

// Loads the window module installed beside the program and runs the window with main's
// arguments. Without the module, says so on standard error in one line and returns
// ExitUsage.
int openWindow(int argc, char *argv[]);

} // namespace freefall

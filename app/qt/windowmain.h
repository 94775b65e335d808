// Opens the calculator window and runs it until the user closes it; calls windowShown, when
// given, once the window is up and the event loop runs.
#pragma once

namespace freefall {

int runWindow(int argc, char *argv[], void (*windowShown)() = nullptr);

} // namespace freefall

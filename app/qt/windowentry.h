// The one function the window module exports, which freefall looks up by name once it has
// loaded the module.
#pragma once

// Opens the calculator window and runs it until the user closes it; takes main's arguments.
// Calls windowShown once, when the window is up and the event loop runs.
extern "C" int freefall_run_window(int argc, char *argv[], void (*windowShown)());

namespace freefall {

using RunWindowFunction = int (*)(int argc, char *argv[], void (*windowShown)());
inline constexpr char kRunWindowSymbol[] = "freefall_run_window";

} // namespace freefall

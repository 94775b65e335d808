// The command-line mode: one calculation without a window, for scripts and terminals.
#pragma once

#include <QStringList>

#include <optional>
#include <ostream>

namespace freefall {

// Exit statuses of the command-line mode.
enum ExitStatus : int {
    ExitShown = 0,
    ExitNotPositive = 1,
    ExitUsage = 2,
    ExitFault = 3,
    ExitNotWritten = 4, // standard output closed, full or failing
};

// Runs the command line given without the program name. Returns no value when the window is
// to be opened instead (no arguments).
std::optional<int> runCommandLine(const QStringList &arguments, std::ostream &out,
                                  std::ostream &err);

// The usage text, one line per form.
const char *usageText();

} // namespace freefall

// The command-line mode: one calculation without a window, for scripts and terminals. The same
// on every platform; each passes its arguments as UTF-16 and its regional settings.
#pragma once

#include "regionalsettings.h"

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace freefall {

// Exit statuses of the command-line mode.
enum ExitStatus : int
{
    ExitShown = 0,
    ExitNotPositive = 1,
    ExitUsage = 2,
    ExitFault = 3,
    ExitNotWritten = 4, // standard output closed, full or failing
};

// Made only when a calculation needs them.
using RegionalSettingsFactory = std::function<std::unique_ptr<const RegionalSettings>()>;

// Runs the command line given without the program name, writing UTF-8. Returns no value when
// the window is to be opened instead (no arguments).
std::optional<int> runCommandLine(std::span<const std::u16string> arguments,
                                  const RegionalSettingsFactory &regional, std::ostream &out,
                                  std::ostream &err);

// The usage text, one line per form.
const char *usageText();

} // namespace freefall

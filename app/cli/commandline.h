// The command-line mode: calculations without a window, for scripts and terminals. The same
// on every platform; each passes its arguments as UTF-16, its regional settings and its
// standard streams.
#pragma once

#include "app/cli/batch.h"
#include "app/cli/bytesink.h"
#include "runtime/regionalsettings.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

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

// What the regional settings are made for: a platform may prepare a quicker way to write and
// read numbers that pays for itself over many calculations but not in one.
enum class RegionalUse
{
    OneCalculation,
    ManyCalculations
};

// The usage text of a POSIX system, one line per form.
const char *usageText();

// The lines every platform's usage text opens with: the forms, the help's among them as
// helpOptions gives them ("--help"), and what TEXT is and how the result is printed, up to
// "in the number format of the" and its line end.
std::string usageOpening(std::string_view helpOptions);

// Made only when a calculation needs them.
using RegionalSettingsFactory =
    std::function<std::unique_ptr<const RegionalSettings>(RegionalUse use)>;

// Runs the command line given without the program name, writing UTF-8 to out, which it
// flushes and checks at the end; --help writes usage. Returns no value when the window is to
// be opened instead (no arguments).
std::optional<int> runCommandLine(std::span<const std::u16string> arguments,
                                  const RegionalSettingsFactory &regional, StandardInput &input,
                                  ByteSink &out, ByteSink &err,
                                  std::string_view usage = usageText());

} // namespace freefall

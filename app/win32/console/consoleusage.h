// The help of the console companion: the forms of the shared command line as a Windows user
// types them in cmd.exe, with the regional settings of Windows.
#pragma once

#include <string>
#include <vector>

namespace freefall {

const char *consoleUsageText();

// Whether the arguments ask for the help the Windows way, as a lone "/?".
bool asksForConsoleHelp(const std::vector<std::u16string> &arguments);

} // namespace freefall

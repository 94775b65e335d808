// The command line's output, handed to standard output in one piece and checked to arrive.
#pragma once

#include <ostream>
#include <string_view>

namespace freefall {

// Writes text to standard output and flushes it. Returns status when all of it was written;
// otherwise says why on err in one line and returns ExitNotWritten, so that a result lost to a
// full disk or a closed descriptor is never reported as shown.
int writeStandardOutput(std::string_view text, int status, std::ostream &err);

} // namespace freefall

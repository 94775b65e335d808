// The command line's standard output, checked to arrive: a result lost to a full disk, a closed
// descriptor or a reader that has gone is never reported as shown.
#pragma once

#include <ostream>
#include <string_view>

namespace freefall {

// Hands bytes to out, and flushes it when asked. False when they did not all arrive, after
// saying why on err in one line.
bool writeStandardOutput(std::ostream &out, std::string_view bytes, bool flush, std::ostream &err);

// Flushes out. Returns status when everything written to it arrived, otherwise ExitNotWritten
// after saying why on err.
int flushStandardOutput(std::ostream &out, int status, std::ostream &err);

} // namespace freefall

// The command line's standard output, checked to arrive: a result lost to a full disk, a closed
// descriptor or a reader that has gone is never reported as shown.
#pragma once

#include "app/cli/bytesink.h"

#include <string_view>

namespace freefall {

// Hands bytes to out, and flushes it when asked. False when they did not all arrive, after
// saying why on err in one line.
bool writeStandardOutput(ByteSink &out, std::string_view bytes, bool flush, ByteSink &err);

// Flushes out. Returns status when everything written to it arrived, otherwise ExitNotWritten
// after saying why on err.
int flushStandardOutput(ByteSink &out, int status, ByteSink &err);

} // namespace freefall

// The batch form: one speed per line of standard input, one line of the four box texts per
// speed, for tables and scripts.
#pragma once

#include "app/cli/byteinput.h"
#include "app/cli/bytesink.h"
#include "app/cli/linedecoder.h"
#include "logic/calculation.h"
#include "runtime/regionalsettings.h"

namespace freefall {

// Standard input as the platform gives it, and what it knows about standard output.
struct StandardInput
{
    ByteInput &bytes;
    const LineDecoder &decoder;
    // Standard output reaches its reader as it is written (a terminal or a pipe): every result
    // is then handed on before the program waits for more input, rather than in large pieces.
    bool interactiveOutput;
};

// Each line is taken as a TEXT of the single-speed form and gives one line on out: the texts of
// the boxes FPM, MPS, IN and MM separated by tabs, or four empty fields with one line on err
// that names the line's number and the reason. Returns 0 when every line gave a result, else
// the status the first line without one has alone; ExitNotWritten, at once, when out fails.
int runBatch(UnitMode mode, StandardInput &input, const RegionalSettings &regional, ByteSink &out,
             ByteSink &err);

} // namespace freefall

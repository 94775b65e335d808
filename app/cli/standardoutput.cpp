// A platform's sink reports a failed write by its result; the reason, where the platform gives
// one, is left in errno.
#include "app/cli/standardoutput.h"

#include "app/cli/commandline.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace freefall {

bool writeStandardOutput(ByteSink &out, std::string_view bytes, bool flush, ByteSink &err)
{
    errno = 0;
    bool written = bytes.empty() || out.write(bytes);
    if (flush)
        written = out.flush() && written;
    if (written)
        return true;
    const int error = errno;
    err.write(std::string("freefall: cannot write to standard output: ") +
              (error != 0 ? std::strerror(error) : "write failed") + '\n');
    return false;
}

int flushStandardOutput(ByteSink &out, int status, ByteSink &err)
{
    return writeStandardOutput(out, {}, true, err) ? status : int(ExitNotWritten);
}

} // namespace freefall

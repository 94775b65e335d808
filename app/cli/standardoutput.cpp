// A platform's stream reports a failed write through its state; the reason, where the platform
// gives one, is left in errno.
#include "app/cli/standardoutput.h"

#include "app/cli/commandline.h"

#include <cerrno>
#include <cstring>

namespace freefall {

bool writeStandardOutput(std::ostream &out, std::string_view bytes, bool flush, std::ostream &err)
{
    errno = 0;
    if (!bytes.empty())
        out.write(bytes.data(), std::streamsize(bytes.size()));
    if (flush)
        out.flush();
    if (out)
        return true;
    const int error = errno;
    err << "freefall: cannot write to standard output: "
        << (error != 0 ? std::strerror(error) : "write failed") << '\n';
    return false;
}

int flushStandardOutput(std::ostream &out, int status, std::ostream &err)
{
    return writeStandardOutput(out, {}, true, err) ? status : int(ExitNotWritten);
}

} // namespace freefall

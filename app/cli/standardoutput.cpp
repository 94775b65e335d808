// C's stdio rather than iostreams: a failed write or flush leaves its reason in errno.
#include "standardoutput.h"

#include "commandline.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace freefall {

int writeStandardOutput(std::string_view text, int status, std::ostream &err)
{
    if (text.empty())
        return status;
    errno = 0;
    const bool written =
        std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    if (written)
        return status;
    const int error = errno;
    err << "freefall: cannot write to standard output: "
        << (error != 0 ? std::strerror(error) : "write failed") << '\n';
    return ExitNotWritten;
}

} // namespace freefall

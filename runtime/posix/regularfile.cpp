// POSIX: the checks are made on the descriptor, never again on the name, since the name may
// point elsewhere by the time it is looked at twice.
#include "runtime/posix/regularfile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace freefall {

namespace {

int openRetrying(const char *path, int flags)
{
    int fd;
    do {
        fd = ::open(path, flags);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

OpenedRegularFile openRegularFile(const char *path)
{
    OpenedRegularFile result;
    const FileDescriptor name(openRetrying(path, O_PATH | O_CLOEXEC));
    if (!name.isOpen() || ::fstat(name.get(), &result.info) != 0) {
        result.error = errno;
        return result;
    }
    if (!S_ISREG(result.info.st_mode)) {
        result.status = OpenedRegularFile::Status::NotRegular;
        return result;
    }
    // O_NONBLOCK: a file leased by another process is refused at once rather than waited for
    // until the lease is broken. O_NOCTTY, should anything but a regular file get this far.
    const std::string self = "/proc/self/fd/" + std::to_string(name.get());
    result.file =
        FileDescriptor(openRetrying(self.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!result.file.isOpen()) {
        result.error = errno;
        return result;
    }
    result.status = OpenedRegularFile::Status::Opened;
    return result;
}

RegularFileRead readRegularFile(const char *path, std::size_t maxBytes)
{
    RegularFileRead result;
    const OpenedRegularFile file = openRegularFile(path);
    switch (file.status) {
    case OpenedRegularFile::Status::Opened:
        break;
    case OpenedRegularFile::Status::CannotOpen:
        result.status = RegularFileRead::Status::CannotOpen;
        return result;
    case OpenedRegularFile::Status::NotRegular:
        result.status = RegularFileRead::Status::NotRegular;
        return result;
    }
    const struct stat &info = file.info;
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        result.status = RegularFileRead::Status::TooLarge;
        return result;
    }

    // The size is only where reading starts: a file may grow or shrink while it is read, and
    // files such as those under /proc report none. One byte past the limit tells it is over.
    const std::size_t readLimit = maxBytes + 1;
    std::vector<std::uint8_t> &bytes = result.bytes;
    bytes.resize(std::min(static_cast<std::size_t>(info.st_size) + 1, readLimit));
    std::size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (bytes.size() == readLimit)
                break;
            bytes.resize(std::min(bytes.size() * 2, readLimit));
        }
        const ssize_t got = ::read(file.file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.status = RegularFileRead::Status::ReadFailed;
            bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    if (filled > maxBytes) {
        result.status = RegularFileRead::Status::TooLarge;
        bytes.clear();
        return result;
    }
    result.status = RegularFileRead::Status::Read;
    return result;
}

} // namespace freefall

// POSIX: the checks are made on the descriptor, never again on the name, since the name may
// point elsewhere by the time it is looked at twice.
#include "runtime/posix/regularfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace freefall {

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

int openWithoutBlocking(const char *path)
{
    // O_NONBLOCK: a FIFO opens at once instead of waiting for a writer, and so does a device
    // that waits for a carrier. O_NOCTTY: a terminal never becomes the controlling one.
    int fd;
    do {
        fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

RegularFileRead readRegularFile(const char *path, std::size_t maxBytes)
{
    RegularFileRead result;
    const Descriptor file(openWithoutBlocking(path));
    if (file.get() < 0) {
        result.status = RegularFileRead::Status::CannotOpen;
        return result;
    }
    struct stat info;
    if (::fstat(file.get(), &info) != 0) {
        result.status = RegularFileRead::Status::ReadFailed;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.status = RegularFileRead::Status::NotRegular;
        return result;
    }
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
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
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

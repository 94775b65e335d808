// Small writes collect in the buffer; a piece as large as the buffer goes to write(2) as it is,
// after what was collected before it. A descriptor that does not block is waited on when it is
// full, and a stop signal leaves the output at the end of a line.
#include "app/linux/descriptoroutput.h"

#include "app/linux/stopsignals.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace freefall {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

} // namespace

DescriptorOutput::DescriptorOutput(int descriptor)
    : descriptor_(descriptor), buffer_(new char[kBufferSize])
{
}

bool DescriptorOutput::reachesReaderAtOnce(int descriptor)
{
    struct stat status;
    if (fstat(descriptor, &status) != 0)
        return false;
    return S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode) || isatty(descriptor);
}

bool DescriptorOutput::writeAll(const char *bytes, std::size_t count)
{
    while (count > 0) {
        std::size_t piece = count;
        if (stopSignal() != 0) {
            if (atLineStart_)
                endByStopSignal();
            // Only the rest of the line that is being written.
            if (const void *end = std::memchr(bytes, '\n', count))
                piece = std::size_t(static_cast<const char *>(end) - bytes) + 1;
        }
        const ssize_t written = ::write(descriptor_, bytes, piece);
        if (written < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                waitForDescriptor(descriptor_, POLLOUT);
                continue;
            }
            if (errno == EINTR)
                continue;
            // A reader that went with the same signal is no failure to report.
            if (stopSignal() != 0)
                endByStopSignal();
            return false;
        }
        if (written > 0)
            atLineStart_ = bytes[written - 1] == '\n';
        bytes += written;
        count -= std::size_t(written);
    }
    if (stopSignal() != 0 && atLineStart_)
        endByStopSignal();
    return true;
}

bool DescriptorOutput::writePending()
{
    const std::size_t count = std::exchange(pending_, 0);
    if (!writeAll(buffer_.get(), count))
        failed_ = true;
    return !failed_;
}

bool DescriptorOutput::write(std::string_view bytes)
{
    if (failed_)
        return false;
    if (bytes.size() >= kBufferSize - pending_ && !writePending())
        return false;
    if (bytes.size() >= kBufferSize) {
        failed_ = !writeAll(bytes.data(), bytes.size());
        return !failed_;
    }
    std::memcpy(buffer_.get() + pending_, bytes.data(), bytes.size());
    pending_ += bytes.size();
    return true;
}

bool DescriptorOutput::flush()
{
    return !failed_ && writePending();
}

} // namespace freefall

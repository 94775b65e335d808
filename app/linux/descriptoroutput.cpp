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

namespace freefall {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

} // namespace

DescriptorOutput::DescriptorOutput(int descriptor)
    : descriptor_(descriptor), buffer_(new char[kBufferSize])
{
    setp(buffer_.get(), buffer_.get() + kBufferSize);
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
    const std::size_t count = std::size_t(pptr() - pbase());
    setp(buffer_.get(), buffer_.get() + kBufferSize);
    return writeAll(buffer_.get(), count);
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c)
{
    if (!writePending())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize DescriptorOutput::xsputn(const char *text, std::streamsize count)
{
    if (std::size_t(count) < std::size_t(epptr() - pptr()))
        return std::streambuf::xsputn(text, count);
    if (!writePending())
        return 0;
    if (std::size_t(count) < kBufferSize)
        return std::streambuf::xsputn(text, count);
    return writeAll(text, std::size_t(count)) ? count : 0;
}

int DescriptorOutput::sync()
{
    return writePending() ? 0 : -1;
}

} // namespace freefall

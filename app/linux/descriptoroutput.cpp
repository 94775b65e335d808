// Small writes collect in the buffer; a piece as large as the buffer goes to write(2) as it is,
// after what was collected before it.
#include "app/linux/descriptoroutput.h"

#include <cerrno>
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
        const ssize_t written = ::write(descriptor_, bytes, count);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += written;
        count -= std::size_t(written);
    }
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

// One read(2) per call returns whatever a pipe or terminal holds, so a line is answered as soon
// as it arrives.
#include "app/linux/descriptorinput.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace freefall {

std::size_t DescriptorInput::read(char *buffer, std::size_t size)
{
    for (;;) {
        const ssize_t count = ::read(descriptor_, buffer, size);
        if (count >= 0)
            return std::size_t(count);
        if (errno != EINTR)
            throw std::system_error(errno, std::generic_category());
    }
}

} // namespace freefall

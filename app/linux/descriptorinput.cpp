// One read(2) per call returns whatever a pipe or terminal holds, so a line is answered as soon
// as it arrives. Each read waits for input with poll(2) first: a descriptor that does not block
// (O_NONBLOCK, perhaps set by another process sharing it) is then read as one that does, and a
// stop signal ends the wait.
#include "app/linux/descriptorinput.h"

#include "app/linux/stopsignals.h"

#include <cerrno>
#include <poll.h>
#include <system_error>
#include <unistd.h>

namespace freefall {

std::size_t DescriptorInput::read(char *buffer, std::size_t size)
{
    // Only the batch form reads standard input.
    catchStopSignals();
    for (;;) {
        if (stopSignal() != 0)
            endByStopSignal();
        waitForDescriptor(descriptor_, POLLIN);
        if (stopSignal() != 0)
            endByStopSignal();
        const ssize_t count = ::read(descriptor_, buffer, size);
        if (count >= 0)
            return std::size_t(count);
        if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)
            throw std::system_error(errno, std::generic_category());
    }
}

} // namespace freefall

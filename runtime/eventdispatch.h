// Raises the window's event handlers so that no exception ever leaves them into the toolkit,
// while an error in a handler raised by a program write still reaches the handler that wrote.
#pragma once

#include <exception>
#include <utility>

namespace freefall {

class EventDispatch
{
public:
    // Runs the handler of an event. An error that no trap took ends the handler; when the
    // event came from a program write, the error is carried to the writer, which rethrows it.
    template <typename Handler> void raise(Handler &&handler) noexcept
    {
        try {
            handler();
        } catch (...) {
            if (writeDepth_ > 0 && !pending_)
                pending_ = std::current_exception();
        }
    }

    // Performs a program write whose events run nested inside it.
    template <typename Write> void write(Write &&doWrite)
    {
        struct Depth
        {
            int &depth;
            explicit Depth(int &d) : depth(d) { ++depth; }
            ~Depth() { --depth; }
        };
        {
            Depth depth(writeDepth_);
            doWrite();
        }
        if (pending_)
            std::rethrow_exception(std::exchange(pending_, nullptr));
    }

private:
    int writeDepth_ = 0;
    std::exception_ptr pending_;
};

} // namespace freefall

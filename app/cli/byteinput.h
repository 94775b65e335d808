// Standard input as the batch form reads it, given by each platform.
#pragma once

#include <cstddef>

namespace freefall {

class ByteInput
{
public:
    virtual ~ByteInput() = default;

    // Waits until at least one byte is there, then reads at most size of them into buffer.
    // Returns the count read, 0 at the end of the input; throws std::system_error when the
    // input cannot be read.
    virtual std::size_t read(char *buffer, std::size_t size) = 0;
};

} // namespace freefall

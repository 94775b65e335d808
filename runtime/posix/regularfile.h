// Reading a whole small file named by a path that another process may change meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace freefall {

struct RegularFileRead
{
    enum class Status
    {
        Read,       // bytes holds the whole file
        CannotOpen, // missing, not permitted, a symbolic link loop, ...
        NotRegular, // a directory, FIFO, socket or device
        TooLarge,   // more than the limit, by its size or by what reading it gave
        ReadFailed,
    };

    Status status = Status::CannotOpen;
    std::vector<std::uint8_t> bytes;
};

// Opens path once, without waiting for anything, checks on that open descriptor that it is a
// regular file of at most maxBytes, and reads it through the same descriptor, never more than
// maxBytes + 1 bytes, so a file that grows or swaps under the name cannot block the caller or
// make it read without end.
RegularFileRead readRegularFile(const char *path, std::size_t maxBytes);

} // namespace freefall

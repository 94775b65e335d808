// Opening and reading a small file named by a path that another process may change meanwhile;
// whatever else the name stands for is refused without being opened.
#pragma once

#include "runtime/posix/filedescriptor.h"

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace freefall {

struct OpenedRegularFile
{
    enum class Status
    {
        Opened,     // file is open for reading, info describes it
        CannotOpen, // missing, not permitted, a symbolic link loop, ...; error holds errno
        NotRegular, // a directory, FIFO, socket or device, which was not opened
    };

    Status status = Status::CannotOpen;
    int error = 0;
    FileDescriptor file;
    struct stat info = {};
};

// Opens path for reading only if it names a regular file. The name is first resolved without
// opening what it names for input or output (O_PATH), so a device, FIFO or socket is never
// opened: opening some devices acts (a new terminal, a rewound tape). The regular file found is
// then opened through that descriptor, so it is the same file whatever the name points to by
// then. Needs /proc, as Linux gives no other way to reopen a descriptor.
OpenedRegularFile openRegularFile(const char *path);

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

// Opens path as openRegularFile does, checks that it holds at most maxBytes, and reads it
// through the same descriptor, never more than maxBytes + 1 bytes, so a file that grows or
// swaps under the name cannot block the caller or make it read without end.
RegularFileRead readRegularFile(const char *path, std::size_t maxBytes);

} // namespace freefall

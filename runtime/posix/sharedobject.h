// A shared object looked over before the dynamic loader maps it: the loader trusts the file,
// and one that is cut short or damaged makes it fault, hang or end the process with a message
// of its own.
#pragma once

#include <cstdint>

namespace freefall {

struct LoadableContents
{
    enum class Status
    {
        Read,            // checksum covers everything the loader maps
        NotSharedObject, // not an ELF shared object of this program's machine and byte order
        CutShort,        // the file ends before what its headers describe; see neededBytes
        ReadFailed,
    };

    Status status = Status::ReadFailed;
    // CRC-32 of the bytes of every loadable segment in file order, with the ELF header's
    // section header fields taken as zero: strip rewrites those and nothing the loader maps.
    std::uint32_t checksum = 0;
    // How long the file has to be for what its headers describe.
    std::uint64_t neededBytes = 0;
};

// Reads the ELF shared object open on descriptor, fileBytes long, as far as its headers and
// loadable segments go.
LoadableContents readLoadableContents(int descriptor, std::uint64_t fileBytes);

} // namespace freefall

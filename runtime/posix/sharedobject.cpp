// Only the headers the loader reads first are interpreted; the rest is covered by the checksum,
// which the caller compares with the one taken when the object was built.
#include "runtime/posix/sharedobject.h"

#include <dlfcn.h>
#include <link.h>
#include <zlib.h>

#include <cerrno>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

namespace freefall {

namespace {

using Header = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);

// More program headers than any linker writes for one object.
constexpr std::size_t kMaxProgramHeaders = 64;

bool readAt(int descriptor, void *buffer, std::size_t size, std::uint64_t offset)
{
    auto *bytes = static_cast<unsigned char *>(buffer);
    while (size > 0) {
        const ssize_t got = ::pread(descriptor, bytes, size, off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        bytes += got;
        size -= std::size_t(got);
        offset += std::uint64_t(got);
    }
    return true;
}

// The ELF header of this program as it is mapped: the object must be made for the same
// machine, word size and byte order.
const Header *ownHeader()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&readLoadableContents), &info) == 0)
        return nullptr;
    return static_cast<const Header *>(info.dli_fbase);
}

bool isSharedObjectForThisMachine(const Header &header)
{
    const Header *own = ownHeader();
    return own && std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 &&
           header.e_ident[EI_CLASS] == own->e_ident[EI_CLASS] &&
           header.e_ident[EI_DATA] == own->e_ident[EI_DATA] &&
           header.e_ident[EI_VERSION] == EV_CURRENT && header.e_type == ET_DYN &&
           header.e_machine == own->e_machine && header.e_phentsize == sizeof(ProgramHeader) &&
           header.e_phnum > 0 && header.e_phnum <= kMaxProgramHeaders;
}

// The end of count items of size bytes from offset, or the largest value when that overflows.
std::uint64_t endOf(std::uint64_t offset, std::uint64_t count, std::uint64_t size)
{
    constexpr std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
    if (size != 0 && count > most / size)
        return most;
    const std::uint64_t length = count * size;
    return offset > most - length ? most : offset + length;
}

} // namespace

LoadableContents readLoadableContents(int descriptor, std::uint64_t fileBytes)
{
    LoadableContents result;
    Header header{};
    if (fileBytes < sizeof header) {
        result.status = LoadableContents::Status::NotSharedObject;
        return result;
    }
    if (!readAt(descriptor, &header, sizeof header, 0))
        return result;
    if (!isSharedObjectForThisMachine(header)) {
        result.status = LoadableContents::Status::NotSharedObject;
        return result;
    }
    std::uint64_t needed = endOf(header.e_phoff, header.e_phnum, sizeof(ProgramHeader));
    if (header.e_shnum != 0)
        needed = std::max(needed, endOf(header.e_shoff, header.e_shnum, header.e_shentsize));
    std::vector<ProgramHeader> segments;
    if (needed <= fileBytes) {
        segments.resize(header.e_phnum);
        if (!readAt(descriptor, segments.data(), segments.size() * sizeof(ProgramHeader),
                    header.e_phoff))
            return result;
        for (const ProgramHeader &segment : segments)
            needed = std::max(needed, endOf(segment.p_offset, 1, segment.p_filesz));
    }
    if (needed > fileBytes) {
        result.status = LoadableContents::Status::CutShort;
        result.neededBytes = needed;
        return result;
    }

    Header sum = header;
    sum.e_shoff = 0;
    sum.e_shnum = 0;
    sum.e_shstrndx = 0;
    const auto *sumBytes = reinterpret_cast<const unsigned char *>(&sum);
    uLong crc = crc32(0, nullptr, 0);
    std::array<unsigned char, 64 * 1024> buffer;
    for (const ProgramHeader &segment : segments) {
        if (segment.p_type != PT_LOAD)
            continue;
        for (std::uint64_t done = 0; done < segment.p_filesz;) {
            const std::uint64_t offset = segment.p_offset + done;
            const auto size =
                std::size_t(std::min<std::uint64_t>(buffer.size(), segment.p_filesz - done));
            if (!readAt(descriptor, buffer.data(), size, offset))
                return result;
            // The ELF header as strip leaves it, wherever a segment holds it.
            for (std::uint64_t at = offset; at < sizeof sum && at < offset + size; ++at)
                buffer[at - offset] = sumBytes[at];
            crc = crc32(crc, buffer.data(), uInt(size));
            done += size;
        }
    }
    result.status = LoadableContents::Status::Read;
    result.checksum = std::uint32_t(crc);
    result.neededBytes = needed;
    return result;
}

} // namespace freefall

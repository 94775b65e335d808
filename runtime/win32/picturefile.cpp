// One open, checked on the handle it gave: only a disk file is read, so neither a pipe nor a
// device can make the read wait, and one byte past the limit catches a file that grew.
#include "runtime/win32/picturefile.h"

#include "runtime/runtimeerror.h"
#include "runtime/win32/widetext.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace freefall {

namespace {

struct HandleCloser
{
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

[[noreturn]] void fail(RuntimeError::Kind kind)
{
    throw RuntimeError(kind);
}

} // namespace

std::vector<std::uint8_t> readPictureFile(std::u16string_view path, std::size_t maxBytes)
{
    const std::wstring name = toWide(path);
    // Opening a directory needs FILE_FLAG_BACKUP_SEMANTICS, so without it a directory fails
    // here; a pipe's client end opens without waiting for a server.
    HANDLE opened =
        CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        fail(RuntimeError::Kind::FileNotFound);
    const UniqueHandle file(opened);
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        fail(RuntimeError::Kind::FileNotFound);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
        std::uint64_t(size.QuadPart) > maxBytes)
        fail(RuntimeError::Kind::InvalidPicture);

    std::vector<std::uint8_t> bytes(maxBytes + 1);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, DWORD(bytes.size() - filled), &read,
                      nullptr))
            fail(RuntimeError::Kind::FileNotFound);
        if (read == 0)
            break;
        filled += read;
    }
    if (filled == 0 || filled > maxBytes)
        fail(RuntimeError::Kind::InvalidPicture);
    bytes.resize(filled);
    return bytes;
}

} // namespace freefall

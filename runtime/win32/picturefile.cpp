// The name is looked at before anything is read through it: a name in the device namespace is
// refused as it is written, and any other is opened first with no access at all, which lets its
// kind be queried without accessing the file or device. Only a disk file is then opened for
// reading, through that handle, so neither a pipe nor a device is ever opened to read or made
// to wait, and one byte past the limit catches a file that grew.
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

bool isSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// \\.\ and \\?\ lead into the device namespace (\\.\pipe\name, \\.\COM1, \\?\GLOBALROOT\...),
// where even a look opens the device: a named pipe's server sees a client come and go. Only a
// drive's path (\\?\C:\...) or a share's (\\?\UNC\server\...) written that way names a file.
bool namesDevice(std::wstring_view name)
{
    if (name.size() < 4 || !isSeparator(name[0]) || !isSeparator(name[1]) ||
        (name[2] != L'.' && name[2] != L'?') || !isSeparator(name[3]))
        return false;
    const std::wstring_view rest = name.substr(4);
    const auto letter = [](wchar_t c) {
        return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
    };
    if (rest.size() >= 3 && letter(rest[0]) && rest[1] == L':' && isSeparator(rest[2]))
        return false;
    return !(rest.size() >= 4 && (rest[0] == L'U' || rest[0] == L'u') &&
             (rest[1] == L'N' || rest[1] == L'n') && (rest[2] == L'C' || rest[2] == L'c') &&
             isSeparator(rest[3]));
}

} // namespace

std::vector<std::uint8_t> readPictureFile(std::u16string_view path, std::size_t maxBytes)
{
    const std::wstring name = toWide(path);
    if (namesDevice(name))
        fail(RuntimeError::Kind::FileNotFound);
    // Opening a directory needs FILE_FLAG_BACKUP_SEMANTICS, so without it a directory fails
    // here; a pipe's client end opens without waiting for a server.
    constexpr DWORD kShared = FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE looked = CreateFileW(name.c_str(), 0, kShared, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (looked == INVALID_HANDLE_VALUE)
        fail(RuntimeError::Kind::FileNotFound);
    const UniqueHandle named(looked);
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileType(named.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(named.get(), &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        fail(RuntimeError::Kind::FileNotFound);
    HANDLE opened = ReOpenFile(named.get(), GENERIC_READ, kShared, FILE_FLAG_SEQUENTIAL_SCAN);
    if (opened == INVALID_HANDLE_VALUE)
        fail(RuntimeError::Kind::FileNotFound);
    const UniqueHandle file(opened);
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

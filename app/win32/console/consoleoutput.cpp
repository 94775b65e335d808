// The command line writes UTF-8 (a locale's separators need not be ASCII). A console shows
// UTF-16 whatever its code page; a redirected stream gets the bytes as Windows text, CR LF.
#include "app/win32/console/consoleoutput.h"

#include <cerrno>

namespace freefall {

namespace {

bool writeToConsole(HANDLE handle, std::string_view utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    DWORD written = 0;
    return WriteConsoleW(handle, wide.data(), DWORD(wide.size()), &written, nullptr) &&
           written == wide.size();
}

bool writeToFile(HANDLE handle, std::string_view utf8)
{
    std::string text;
    text.reserve(utf8.size() + utf8.size() / 8);
    for (char c : utf8) {
        if (c == '\n')
            text.push_back('\r');
        text.push_back(c);
    }
    DWORD written = 0;
    return WriteFile(handle, text.data(), DWORD(text.size()), &written, nullptr) &&
           written == text.size();
}

// The command line describes a failed write by errno, as the C library does.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
        return EPIPE;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    default:
        return EIO;
    }
}

} // namespace

bool writeToHandle(HANDLE handle, std::string_view utf8)
{
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) ? writeToConsole(handle, utf8) : writeToFile(handle, utf8);
}

bool reachesReaderAtOnce(HANDLE handle)
{
    const DWORD type = GetFileType(handle);
    return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
}

bool HandleOutput::write(std::string_view bytes)
{
    if (failed_)
        return false;
    pending_.append(bytes);
    return writes_ == Writes::AtOnce ? flush() : true;
}

bool HandleOutput::flush()
{
    if (failed_)
        return false;
    if (pending_.empty())
        return true;
    failed_ = !writeToHandle(handle_, pending_);
    pending_.clear();
    if (failed_)
        errno = errnoOf(GetLastError());
    return !failed_;
}

} // namespace freefall

// A pipe whose writer has gone ends with ERROR_BROKEN_PIPE rather than a read of nothing; a
// console's input ends with Ctrl+Z at the start of a line, as in cmd.exe's own tools.
#include "app/win32/console/handleinput.h"

#include <algorithm>
#include <system_error>

namespace freefall {

namespace {

constexpr wchar_t kEndOfConsoleInput = L'\x1a';

} // namespace

HandleInput::HandleInput(HANDLE handle) : handle_(handle)
{
    DWORD mode = 0;
    console_ = handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

std::size_t HandleInput::read(char *buffer, std::size_t size)
{
    if (console_)
        return readConsole(buffer, size);
    DWORD count = 0;
    if (ReadFile(handle_, buffer, DWORD(std::min<std::size_t>(size, MAXDWORD)), &count, nullptr))
        return count;
    const DWORD error = GetLastError();
    if (error == ERROR_BROKEN_PIPE)
        return 0;
    throw std::system_error(int(error), std::system_category());
}

std::size_t HandleInput::readConsole(char *buffer, std::size_t size)
{
    while (pending_.empty() && !ended_) {
        wchar_t wide[4096];
        DWORD count = 0;
        if (!ReadConsoleW(handle_, wide, DWORD(std::size(wide)), &count, nullptr))
            throw std::system_error(int(GetLastError()), std::system_category());
        if (count == 0 || wide[0] == kEndOfConsoleInput) {
            ended_ = true;
            break;
        }
        const int length =
            WideCharToMultiByte(CP_UTF8, 0, wide, int(count), nullptr, 0, nullptr, nullptr);
        pending_.resize(std::size_t(length));
        WideCharToMultiByte(CP_UTF8, 0, wide, int(count), pending_.data(), length, nullptr,
                            nullptr);
    }
    const std::size_t taken = std::min(size, pending_.size());
    pending_.copy(buffer, taken);
    pending_.erase(0, taken);
    return taken;
}

} // namespace freefall

// The command line writes UTF-8 (a locale's separators need not be ASCII). A console shows
// UTF-16 whatever its code page; a redirected stream gets the bytes as Windows text, CR LF.
#include "consoleoutput.h"

#include "commandline.h"

#include <ostream>

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

std::string lastErrorText()
{
    const DWORD error = GetLastError();
    char *message = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char *>(&message), 0, nullptr);
    std::string text = length > 0 ? std::string(message, length) : "write failed";
    LocalFree(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    return text;
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

int writeStandardOutput(HANDLE handle, std::string_view text, int status, std::ostream &err)
{
    if (text.empty() || writeToHandle(handle, text))
        return status;
    err << "freefall: cannot write to standard output: " << lastErrorText() << '\n';
    return ExitNotWritten;
}

HandleOutput::int_type HandleOutput::overflow(int_type c)
{
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        pending_.push_back(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

std::streamsize HandleOutput::xsputn(const char *text, std::streamsize count)
{
    pending_.append(text, std::size_t(count));
    return count;
}

int HandleOutput::sync()
{
    if (pending_.empty())
        return 0;
    const bool written = writeToHandle(handle_, pending_);
    pending_.clear();
    return written ? 0 : -1;
}

} // namespace freefall

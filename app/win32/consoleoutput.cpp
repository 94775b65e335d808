// The command line writes UTF-8 (a locale's separators need not be ASCII). A console shows
// UTF-16 whatever its code page; a redirected stream gets the bytes as Windows text, CR LF.
#include "consoleoutput.h"

namespace freefall {

ConsoleOutput::int_type ConsoleOutput::overflow(int_type c)
{
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        pending_.push_back(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

std::streamsize ConsoleOutput::xsputn(const char *text, std::streamsize count)
{
    pending_.append(text, std::size_t(count));
    return count;
}

int ConsoleOutput::sync()
{
    if (pending_.empty())
        return 0;
    DWORD mode = 0;
    const bool console = GetConsoleMode(handle_, &mode) != FALSE;
    const bool written = console ? writeToConsole(pending_) : writeToFile(pending_);
    pending_.clear();
    return written ? 0 : -1;
}

bool ConsoleOutput::writeToConsole(const std::string &utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    DWORD written = 0;
    return WriteConsoleW(handle_, wide.data(), DWORD(wide.size()), &written, nullptr) &&
           written == wide.size();
}

bool ConsoleOutput::writeToFile(const std::string &utf8)
{
    std::string text;
    text.reserve(utf8.size() + utf8.size() / 8);
    for (char c : utf8) {
        if (c == '\n')
            text.push_back('\r');
        text.push_back(c);
    }
    DWORD written = 0;
    return handle_ && handle_ != INVALID_HANDLE_VALUE &&
           WriteFile(handle_, text.data(), DWORD(text.size()), &written, nullptr) &&
           written == text.size();
}

} // namespace freefall

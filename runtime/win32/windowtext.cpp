// Reads a window's text whole, its length asked first.
#include "runtime/win32/windowtext.h"

namespace freefall {

std::wstring windowText(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

} // namespace freefall

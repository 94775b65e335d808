// Text between the core's UTF-16 strings and the Win32 API's wide strings, which on Windows
// hold the same UTF-16 code units.
#pragma once

#include <string>
#include <string_view>

namespace freefall {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16");

inline std::wstring toWide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::u16string fromWide(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace freefall

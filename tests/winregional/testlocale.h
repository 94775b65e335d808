// The user's locale that a run of the regional tests has, and the one it expects: Wine takes
// it from LC_ALL, and FREEFALL_TEST_LOCALE names it.
#pragma once

#include <windows.h>

#include <string>

namespace freefall::testing {

inline std::u16string userLocale()
{
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    const int length = GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
    return length > 0 ? std::u16string(name, name + length - 1) : std::u16string();
}

inline std::u16string expectedLocale()
{
    wchar_t value[64];
    const DWORD length = GetEnvironmentVariableW(L"FREEFALL_TEST_LOCALE", value, 64);
    return length > 0 && length < 64 ? std::u16string(value, value + length) : u"en-US";
}

} // namespace freefall::testing

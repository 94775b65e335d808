// A whole file's bytes through the Windows API, for the Windows tests; empty when it cannot be
// opened.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace freefall::testing {

inline std::vector<std::uint8_t> readFile(const std::wstring &path)
{
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

} // namespace freefall::testing

// freefall.com without arguments opens the window program from its own folder and returns at
// once; without Freefall.exe beside it, it says so on one line and exits with status 2.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

namespace {

std::wstring folderOfThisProgram()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring widen(const char *text)
{
    return std::wstring(text, text + strlen(text));
}

// Runs the program with no arguments; its exit status, or -1 when it did not end in time.
DWORD runWithoutArguments(const std::wstring &program)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    REQUIRE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process));
    CloseHandle(process.hThread);
    DWORD status = DWORD(-1);
    if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    return status;
}

HWND waitForWindow(bool present, int milliseconds)
{
    for (int waited = 0;; waited += 50) {
        HWND window = FindWindowW(L"frmFreefall", nullptr);
        if ((window != nullptr) == present || waited >= milliseconds)
            return window;
        Sleep(50);
    }
}

} // namespace

TEST_CASE("without arguments the companion opens the window program and returns")
{
    REQUIRE(waitForWindow(false, 0) == nullptr);
    CHECK(runWithoutArguments(folderOfThisProgram() + widen(FREEFALL_COM)) == 0);
    HWND window = waitForWindow(true, 20000);
    REQUIRE(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
    CHECK(waitForWindow(false, 10000) == nullptr);
}

TEST_CASE("without Freefall.exe beside it the companion fails with status 2")
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"freefall-companion-alone\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring alone = folder + widen(FREEFALL_COM);
    REQUIRE(CopyFileW((folderOfThisProgram() + widen(FREEFALL_COM)).c_str(), alone.c_str(), FALSE));
    CHECK(runWithoutArguments(alone) == 2);
    DeleteFileW(alone.c_str());
    RemoveDirectoryW(folder.c_str());
}

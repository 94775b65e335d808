// Prints what a shortcut (.lnk) opens, as the Windows shell reads it: its target, then its
// working folder, each on a line of UTF-8. Exits 1 when the file is not a shortcut.
// Usage: shortcuttarget.exe PATH.lnk
#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

void printLine(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: shortcuttarget.exe PATH.lnk\n");
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    int status = 1;
    IShellLinkW *link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void **>(&link)))) {
        IPersistFile *file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))) {
            wchar_t target[MAX_PATH] = {};
            wchar_t folder[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(argv[1], STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
                SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH))) {
                printLine(target);
                printLine(folder);
                status = 0;
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return status;
}

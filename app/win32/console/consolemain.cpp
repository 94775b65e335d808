// The console companion freefall.com: cmd.exe and PowerShell run it before Freefall.exe when
// the user types "freefall", so the command line answers in the console and the prompt comes
// back after the output. Without arguments it opens the window program beside it and returns.
#include "app/cli/commandline.h"
#include "app/win32/console/codepagetext.h"
#include "app/win32/console/consoleoutput.h"
#include "app/win32/console/consoleusage.h"
#include "app/win32/console/handleinput.h"
#include "runtime/win32/win32regionalsettings.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kWindowProgram[] = L"Freefall.exe";

std::wstring programBeside()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return kWindowProgram;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + kWindowProgram;
}

int openWindow(freefall::ByteSink &err)
{
    std::wstring program = programBeside();
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        err.write("freefall: cannot open the window: Freefall.exe does not start from the folder "
                  "of freefall.com\n");
        return freefall::ExitUsage;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return freefall::ExitShown;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    freefall::HandleOutput err(GetStdHandle(STD_ERROR_HANDLE),
                               freefall::HandleOutput::Writes::AtOnce);

    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i], argv[i] + wcslen(argv[i]));
    // "/?" is the help of every Windows command; the shared command line knows it as --help.
    if (freefall::asksForConsoleHelp(arguments))
        arguments.front() = u"--help";
    const auto regional = [](freefall::RegionalUse) {
        return std::make_unique<const freefall::Win32RegionalSettings>();
    };
    const HANDLE standardOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    freefall::HandleOutput out(standardOutput);
    freefall::HandleInput inBytes(GetStdHandle(STD_INPUT_HANDLE));
    const freefall::CodePageText decoder(inBytes.isConsole() ? CP_UTF8 : CP_ACP);
    freefall::StandardInput input{inBytes, decoder, freefall::reachesReaderAtOnce(standardOutput)};
    const std::optional<int> status = freefall::runCommandLine(arguments, regional, input, out, err,
                                                               freefall::consoleUsageText());
    const int result = status ? *status : openWindow(err);
    err.flush();
    return result;
}

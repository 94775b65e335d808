// Reports the first frame of a window for the start-up benchmark under Wine: with
// FREEFALL_REPORT_SHOWN set, Freefall.exe and the bare window it is measured against print
// "shown" on standard output the same way, once the window and its controls have painted.
#pragma once

#include <windows.h>

namespace freefall {

inline void reportShownIfAsked(HWND window)
{
    if (GetEnvironmentVariableW(L"FREEFALL_REPORT_SHOWN", nullptr, 0) == 0)
        return;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "shown\n", 6, &written, nullptr);
}

} // namespace freefall

// Program start on Windows: the calculator window and its message loop. The command line is
// the console companion's (freefall.com); this program only opens the window.
#include "app/win32/frmfreefall.h"
#include "runtime/win32/shownreport.h"
#include "runtime/win32/win32regionalsettings.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // COM for the accessibility annotations; the common controls for the tooltips.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int status = 1;
    try {
        const freefall::Win32RegionalSettings regional;
        freefall::frmFreefall window(instance, regional);
        window.show(showCommand);
        freefall::reportShownIfAsked(window.hwnd());
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (!window.translateMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        status = int(message.wParam);
    } catch (...) {
        // The window could not be created; there is nothing to show the user.
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}

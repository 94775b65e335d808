// The calculator's window as the Win32 API alone would build it: the same controls, fonts,
// geometry and menu at 96 dpi, and the caret in the first box as a dialog opens; no handlers,
// no number rules, no icon, no tooltips or accessible names. Prints "shown" after its first
// paint when FREEFALL_REPORT_SHOWN is set, as Freefall.exe does.
#include "runtime/win32/shownreport.h"

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>

namespace {

HWND firstBox = nullptr;

HFONT font(int pixels, bool bold)
{
    return CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH, L"MS Sans Serif");
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && firstBox) {
        SetFocus(firstBox);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND child(HWND parent, const wchar_t *type, const wchar_t *text, DWORD style, DWORD exStyle,
           RECT r, HFONT f)
{
    HWND control =
        CreateWindowExW(exStyle, type, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right,
                        r.bottom, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, WPARAM(f), FALSE);
    return control;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"FreefallBareWindow";
    RegisterClassExW(&windowClass);

    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, 1, L"&Stopping Distance Info\tCtrl+S");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, UINT_PTR(popup), L"&Help");
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, 527, 252};
    AdjustWindowRectEx(&frame, style, TRUE, 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName,
                                  L" Gravity Stopping Distance Calculator         freefall.example",
                                  style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, bar, instance, nullptr);

    HFONT title = font(18, false), caption = font(13, true), box = font(16, true);
    const struct
    {
        const wchar_t *text;
        RECT r; // left, top, width, height
        HFONT f;
    } labels[] = {
        {L"Gravity Stopping Distance Calculator", {103, 16, 321, 25}, title},
        {L"Initial Velocity:", {56, 112, 105, 21}, caption},
        {L"Gravity Stopping Distance:", {56, 144, 117, 33}, caption},
        {L"FPM", {284, 112, 33, 21}, caption},
        {L"IN", {284, 156, 17, 21}, caption},
        {L"MPS", {432, 112, 33, 21}, caption},
        {L"MM", {432, 156, 25, 21}, caption},
    };
    for (const auto &l : labels)
        child(window, L"STATIC", l.text, 0, 0, l.r, l.f);
    for (const RECT &r : {RECT{180, 104, 97, 28}, RECT{180, 148, 97, 28}, RECT{334, 104, 93, 28},
                          RECT{334, 148, 93, 28}}) {
        HWND edit =
            child(window, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, r, box);
        if (!firstBox)
            firstBox = edit;
    }
    child(window, L"BUTTON", L"&Calculate", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {186, 196, 85, 37},
          caption);
    child(window, L"BUTTON", L"C&lear", WS_TABSTOP | BS_PUSHBUTTON, 0, {338, 196, 85, 37}, caption);
    child(window, L"BUTTON", L"&Imperial", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0,
          {188, 68, 81, 17}, caption);
    child(window, L"BUTTON", L"&Metric", BS_AUTORADIOBUTTON, 0, {344, 68, 73, 17}, caption);

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    freefall::reportShownIfAsked(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return int(message.wParam);
}

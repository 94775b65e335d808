// Input goes through SendInput, so that it takes the path a user's does: the input queue, the
// accelerator table, the dialog manager and the controls' own keyboard handling.
#include "tests/winwindow/windowdriver.h"

#include "app/design/freefalldesign.h"

#include <commctrl.h>
#include <objbase.h>

#include <stdexcept>
#include <vector>

namespace freefall::testing {

INPUT keyDown(WORD key)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    return input;
}

INPUT keyUp(WORD key)
{
    INPUT input = keyDown(key);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    return input;
}

namespace {

// What the program's start does before it opens the window: COM for the accessible names, the
// common controls for the tooltips.
bool startUp()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
}

} // namespace

WindowDriver::WindowDriver()
    : started_(startUp()),
      window_(std::make_unique<frmFreefall>(GetModuleHandleW(nullptr), regional_))
{
    window_->show(SW_SHOWNORMAL);
    SetForegroundWindow(window_->hwnd());
    pumpUntil([this] { return GetForegroundWindow() == window_->hwnd() && GetFocus() != nullptr; });
    pump();
}

WindowDriver::~WindowDriver()
{
    window_.reset();
    // The window posts WM_QUIT when destroyed; a later test's message box must not see it.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

namespace {

// Ends each batch of input: input arrives in order, so when this key's release has come through
// the queue, so has all input before it. The window never sees it.
constexpr WORD kSentinelKey = VK_F24;

} // namespace

void WindowDriver::pump()
{
    pumpUntil([] { return false; }, 30);
}

bool WindowDriver::pumpUntil(const std::function<bool()> &condition, int milliseconds)
{
    const ULONGLONG end = GetTickCount64() + ULONGLONG(milliseconds);
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                continue;
            if ((message.message == WM_KEYDOWN || message.message == WM_KEYUP) &&
                message.wParam == kSentinelKey) {
                sentinelSeen_ = message.message == WM_KEYUP;
                continue;
            }
            if (!window_->translateMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        if (condition())
            return true;
        if (GetTickCount64() >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void WindowDriver::send(std::vector<INPUT> records)
{
    records.push_back(keyDown(kSentinelKey));
    records.push_back(keyUp(kSentinelKey));
    sentinelSeen_ = false;
    SendInput(UINT(records.size()), records.data(), sizeof(INPUT));
    // Then whatever the input caused, such as messages posted by the controls.
    pumpUntil([this] { return sentinelSeen_; });
    pump();
}

void WindowDriver::type(std::u16string_view text)
{
    for (char16_t c : text) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = WORD(c);
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        send({down, up});
    }
}

void WindowDriver::press(WORD key, std::initializer_list<WORD> modifiers)
{
    std::vector<INPUT> records;
    for (WORD modifier : modifiers)
        records.push_back(keyDown(modifier));
    records.push_back(keyDown(key));
    records.push_back(keyUp(key));
    for (auto it = modifiers.end(); it != modifiers.begin();)
        records.push_back(keyUp(*--it));
    send(std::move(records));
}

std::u16string WindowDriver::text(Box box) const
{
    return text(window_->control(describe(box).name));
}

std::u16string WindowDriver::text(HWND control) const
{
    wchar_t buffer[256];
    const int length = GetWindowTextW(control, buffer, 256);
    return std::u16string(buffer, buffer + (length > 0 ? length : 0));
}

std::u16string WindowDriver::focusName() const
{
    HWND focused = GetFocus();
    for (const BoxDescription &box : kBoxes) {
        if (window_->control(box.name) == focused)
            return std::u16string(box.name);
    }
    for (const auto &table : {design::kCommandButtons, design::kOptionButtons}) {
        for (const design::ButtonDesign &button : table) {
            if (window_->control(button.name) == focused)
                return std::u16string(button.name);
        }
    }
    return focused == window_->hwnd() ? u"frmFreefall" : u"(none)";
}

} // namespace freefall::testing

// The calculator window's messages: the window procedure hands each message to one small
// function, and each control's notification, found by its identifier, to one more; no exception
// leaves it into the system. The window is built from the design tables in
// frmfreefallcreate.cpp.
#include "app/win32/frmfreefall.h"

#include "app/win32/controlids.h"
#include "logic/freefallhandlers.h"
#include "runtime/win32/widetext.h"
#include "runtime/win32/win32formservices.h"
#include "runtime/win32/win32optionbutton.h"
#include "runtime/win32/win32textbox.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <utility>

namespace freefall {

namespace {

using namespace design;

constexpr wchar_t kIconName[] = L"IDI_ICON1";
// Posted to itself when made: the work that can wait until the window has been shown.
constexpr UINT kAfterShow = WM_APP + 1;

const std::wstring &className()
{
    static const std::wstring name = toWide(kWindow.name);
    return name;
}

// The icon of that side: its own image where the .ico has one, else the next larger one scaled
// down by the common controls (mingw-w64's import library lacks that function, so it is looked
// up), or as LoadImage scales.
HICON loadIconOfSide(HINSTANCE instance, int side)
{
    using ScaleDown = HRESULT(WINAPI *)(HINSTANCE, PCWSTR, int, int, HICON *);
    static const auto scaleDown = reinterpret_cast<ScaleDown>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
    HICON icon = nullptr;
    if (scaleDown && SUCCEEDED(scaleDown(instance, kIconName, side, side, &icon)))
        return icon;
    return HICON(LoadImageW(instance, kIconName, IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, className().c_str(), &windowClass))
        return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className().c_str();
    if (!RegisterClassExW(&windowClass))
        throw std::runtime_error("the window class cannot be registered");
}

} // namespace

frmFreefall::frmFreefall(HINSTANCE instance, const RegionalSettings &regional) : regional_(regional)
{
    registerWindowClass(instance, &frmFreefall::windowProc);
    const std::wstring title = toWide(kWindow.title);
    CreateWindowExW(kWindowExStyle, className().c_str(), title.c_str(), kWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_)
        throw std::runtime_error("the window cannot be created");
    try {
        dpi_ = int(GetDpiForWindow(hwnd_));
        loadIcons();
        fonts_ = std::make_unique<DesignFonts>(dpi_);
        createMenu();
        createControls(instance);
        createAdapters();
        applyLayout();
        describeControls();
        raise(&FreefallHandlers::Form_Load);
        focus_ = edits_[std::size_t(Box::ImperialSpeed)];
        PostMessageW(hwnd_, kAfterShow, 0, 0);
    } catch (...) {
        DestroyWindow(hwnd_);
        throw;
    }
}

frmFreefall::~frmFreefall()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    if (accelerators_)
        DestroyAcceleratorTable(accelerators_);
}

void frmFreefall::show(int showCommand)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    const RECT &work = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
}

bool frmFreefall::translateMessage(MSG &message)
{
    if (accelerators_ && TranslateAcceleratorW(hwnd_, accelerators_, &message))
        return true;
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

HWND frmFreefall::control(std::u16string_view name) const
{
    for (const BoxDescription &box : kBoxes) {
        if (box.name == name)
            return edits_[std::size_t(box.box)];
    }
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
        if (kCommandButtons[i].name == name)
            return commandButtons_[i];
    }
    for (std::size_t i = 0; i < kOptionButtons.size(); ++i) {
        if (kOptionButtons[i].name == name)
            return optionButtons_[i];
    }
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        if (kLabels[i].name == name)
            return labels_[i];
    }
    return nullptr;
}

MousePointer frmFreefall::mousePointer() const
{
    return services_->mousePointer();
}

bool frmFreefall::imperialMode() const
{
    return handlers_->imperialMode();
}

LRESULT CALLBACK frmFreefall::windowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE) {
        auto *self =
            static_cast<frmFreefall *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(self));
    }
    auto *self = reinterpret_cast<frmFreefall *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self = nullptr;
    }
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (...) {
        // Only the window's own bookkeeping can fail here (the handlers' errors end in the
        // event dispatch); the message then counts as handled with its default result.
        return message == WM_NCCREATE ? FALSE : DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT frmFreefall::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam), HWND(lParam));
        return 0;
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR *>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return LRESULT(onCtlColor(HDC(wParam), HWND(lParam)));
    case WM_SETCURSOR:
        if (onSetCursor(HWND(wParam), LOWORD(lParam)))
            return TRUE;
        break;
    case DM_GETDEFID:
        return onGetDefId();
    case WM_NEXTDLGCTL:
        onNextDlgCtl(wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0);
        return 0;
    case WM_SETFOCUS:
        onSetFocus();
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_SYSCOLORCHANGE:
        onSysColorChange();
        return 0;
    case WM_SETTINGCHANGE:
        onSettingChange();
        break;
    case WM_THEMECHANGED:
        onThemeChanged();
        break;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case kAfterShow:
        createToolTips();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// Menu and accelerator commands come without a control; control notifications with one, and
// its identifier says which control of which table it is.
void frmFreefall::onCommand(int id, int code, HWND control)
{
    if (!control) {
        if (id == controlids::kStopDisInfo)
            onStopDisInfo();
        return;
    }
    if (const auto box = controlids::kBoxes.indexOf(id)) {
        if (code == EN_CHANGE)
            onBoxChange(Box(*box));
    } else if (const auto button = controlids::kCommandButtons.indexOf(id)) {
        onCommandButton(*button, code);
    } else if (const auto option = controlids::kOptionButtons.indexOf(id)) {
        onOptionButton(*option, code);
    }
}

// A change the program made itself was already raised inside its write.
void frmFreefall::onBoxChange(Box box)
{
    Win32TextBox *adapter = boxes_[std::size_t(box)].get();
    if (!adapter || !adapter->takeChange())
        return;
    for (const TextBoxDesign &design : kTextBoxes) {
        if (design.box == box)
            raise(design.change);
    }
}

// A command button with the focus shows itself as the default, since Enter then clicks it.
void frmFreefall::onCommandButton(std::size_t index, int code)
{
    if (code == BN_CLICKED)
        raise(kCommandButtons[index].click);
    else if (code == BN_SETFOCUS || code == BN_KILLFOCUS)
        updateDefaultButton();
}

// Only a button newly selected raises its Click.
void frmFreefall::onOptionButton(std::size_t index, int code)
{
    if (code != BN_CLICKED || SendMessageW(optionButtons_[index], BM_GETCHECK, 0, 0) != BST_CHECKED)
        return;
    if (optionGroup_.select(index))
        raise(kOptionButtons[index].click);
}

void frmFreefall::onStopDisInfo()
{
    raise(kMenu.click);
}

// The option buttons draw their own caption colour.
LRESULT frmFreefall::onNotify(const NMHDR &header)
{
    if (header.code != NM_CUSTOMDRAW)
        return 0;
    const auto option = controlids::kOptionButtons.indexOf(int(header.idFrom));
    if (!option || !options_[*option])
        return CDRF_DODEFAULT;
    return options_[*option]->customDraw(reinterpret_cast<const NMCUSTOMDRAW &>(header));
}

HBRUSH frmFreefall::onCtlColor(HDC dc, HWND control)
{
    const int id = GetDlgCtrlID(control);
    if (const auto box = controlids::kBoxes.indexOf(id); box && boxes_[*box])
        return boxes_[*box]->colourFor(dc);
    if (const auto option = controlids::kOptionButtons.indexOf(id); option && options_[*option])
        return options_[*option]->colourFor(dc);
    // Labels are opaque in the window's button-face colour.
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

// The custom pointer shows over the client area and every control but the text boxes, which
// keep their text cursor; the menu bar and the frame keep the ordinary one.
bool frmFreefall::onSetCursor(HWND over, int hitTest)
{
    if (hitTest != HTCLIENT || !services_ || isEdit(over))
        return false;
    HCURSOR custom = services_->customCursor();
    if (!custom)
        return false;
    SetCursor(custom);
    return true;
}

// Enter clicks the command button that has the focus, else the design's default button.
LRESULT frmFreefall::onGetDefId() const
{
    const std::optional<std::size_t> focused = focusedCommandButton();
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
        if (focused ? *focused == i : kCommandButtons[i].defaultButton)
            return MAKELRESULT(controlids::kCommandButtons.id(i), DC_HASDEFID);
    }
    return 0;
}

// The dialog manager moves the focus this way with the arrow keys outside the option group.
void frmFreefall::onNextDlgCtl(WPARAM target, LPARAM byHandle)
{
    HWND next = byHandle ? HWND(target) : GetNextDlgTabItem(hwnd_, GetFocus(), target != 0);
    if (!next || !IsChild(hwnd_, next))
        return;
    SetFocus(next);
    if (isEdit(next))
        SendMessageW(next, EM_SETSEL, 0, -1);
}

// The focus leaves with the window's activation and comes back to the same control.
void frmFreefall::onActivate(bool active)
{
    if (!active) {
        if (HWND focused = focusedChild())
            focus_ = focused;
        return;
    }
    onSetFocus();
}

void frmFreefall::onSetFocus()
{
    if (focus_ && IsWindow(focus_))
        SetFocus(focus_);
}

void frmFreefall::onDpiChanged(int dpi, const RECT &suggested)
{
    dpi_ = dpi;
    loadIcons();
    // The controls keep the old fonts until the layout gives them the new ones.
    std::unique_ptr<DesignFonts> previous =
        std::exchange(fonts_, std::make_unique<DesignFonts>(dpi_));
    applyLayout();
    fitWindowToClient(POINT{suggested.left, suggested.top});
}

// The controls take their colours from the system's as they paint (controlcolours.h): a new
// scheme needs only a repaint. Common controls learn of it from their parent.
void frmFreefall::onSysColorChange()
{
    EnumChildWindows(
        hwnd_,
        [](HWND child, LPARAM) {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            return TRUE;
        },
        0);
    repaintAll();
}

// High contrast switched on or off, among other settings.
void frmFreefall::onSettingChange()
{
    repaintAll();
}

// The visual style switched on or off; the controls reopen their theme data themselves.
void frmFreefall::onThemeChanged()
{
    repaintAll();
}

void frmFreefall::onDestroy()
{
    if (names_)
        names_->clear();
    PostQuitMessage(0);
}

// The icon drawn for the size the window's DPI asks for (24 pixels in the title bar at 144 dpi)
// rather than a larger one shrunk; the images are in the .ico from 16 to 256 pixels.
void frmFreefall::loadIcons()
{
    const HINSTANCE instance = HINSTANCE(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    const auto load = [&](int metric) {
        return UniqueIcon(loadIconOfSide(instance, GetSystemMetricsForDpi(metric, UINT(dpi_))));
    };
    UniqueIcon small = load(SM_CXSMICON);
    UniqueIcon big = load(SM_CXICON);
    // The window keeps drawing the old icons until it has the new ones.
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, LPARAM(small.get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, LPARAM(big.get()));
    smallIcon_ = std::move(small);
    bigIcon_ = std::move(big);
}

void frmFreefall::repaintAll()
{
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void frmFreefall::raise(Handler handler)
{
    if (!handler || !handlers_)
        return;
    dispatch_.raise([this, handler] { (handlers_.get()->*handler)(); });
}

// A command button with the focus shows itself as the default, since Enter then clicks it; the
// design's default button shows so at all other times.
void frmFreefall::updateDefaultButton()
{
    const std::optional<std::size_t> focused = focusedCommandButton();
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
        const bool isDefault = focused ? *focused == i : kCommandButtons[i].defaultButton;
        const LONG_PTR type = GetWindowLongPtrW(commandButtons_[i], GWL_STYLE) & BS_TYPEMASK;
        const LONG_PTR wanted = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if (type != wanted)
            SendMessageW(commandButtons_[i], BM_SETSTYLE, WPARAM(wanted), TRUE);
    }
}

std::optional<std::size_t> frmFreefall::focusedCommandButton() const
{
    HWND focused = focusedChild();
    return focused ? controlids::kCommandButtons.indexOf(GetDlgCtrlID(focused)) : std::nullopt;
}

HWND frmFreefall::focusedChild() const
{
    HWND focused = GetFocus();
    return focused && IsChild(hwnd_, focused) ? focused : nullptr;
}

bool frmFreefall::isEdit(HWND control) const
{
    return control && GetParent(control) == hwnd_ &&
           controlids::kBoxes.indexOf(GetDlgCtrlID(control)).has_value();
}

} // namespace freefall

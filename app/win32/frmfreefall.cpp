// Builds the window from the design tables and raises each control's event on its handler
// through the event dispatch. The window procedure hands each message to one small function;
// no exception leaves it into the system.
#include "app/win32/frmfreefall.h"

#include "app/win32/captionwrap.h"
#include "app/win32/controlids.h"
#include "app/win32/layout.h"
#include "logic/freefallhandlers.h"
#include "runtime/win32/widetext.h"
#include "runtime/win32/win32formservices.h"
#include "runtime/win32/win32optionbutton.h"
#include "runtime/win32/win32textbox.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace freefall {

namespace {

using namespace design;

// A fixed single border: no sizing frame and no maximise button.
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;
constexpr wchar_t kIconName[] = L"IDI_ICON1";

const std::wstring &className()
{
    static const std::wstring name = toWide(kWindow.name);
    return name;
}

HANDLE loadIcon(HINSTANCE instance, int metric)
{
    const int side = GetSystemMetrics(metric);
    return LoadImageW(instance, kIconName, IMAGE_ICON, side, side, LR_DEFAULTCOLOR);
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, className().c_str(), &windowClass))
        return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = HICON(loadIcon(instance, SM_CXICON));
    windowClass.hIconSm = HICON(loadIcon(instance, SM_CXSMICON));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className().c_str();
    if (!RegisterClassExW(&windowClass))
        throw std::runtime_error("the window class cannot be registered");
}

// One control of the design, placed in the creation order that is also the tab order.
struct Slot
{
    enum class Kind
    {
        Box,
        CommandButton,
        OptionButton,
        Label
    };
    int tabIndex;
    Kind kind;
    std::size_t index; // into its design table
};

std::vector<Slot> slotsByTabIndex()
{
    std::vector<Slot> slots;
    for (std::size_t i = 0; i < kTextBoxes.size(); ++i)
        slots.push_back({kTextBoxes[i].tabIndex, Slot::Kind::Box, i});
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i)
        slots.push_back({kCommandButtons[i].tabIndex, Slot::Kind::CommandButton, i});
    for (std::size_t i = 0; i < kOptionButtons.size(); ++i)
        slots.push_back({kOptionButtons[i].tabIndex, Slot::Kind::OptionButton, i});
    for (std::size_t i = 0; i < kLabels.size(); ++i)
        slots.push_back({kLabels[i].tabIndex, Slot::Kind::Label, i});
    std::sort(slots.begin(), slots.end(),
              [](const Slot &a, const Slot &b) { return a.tabIndex < b.tabIndex; });
    return slots;
}

HWND createChild(HWND parent, HINSTANCE instance, const wchar_t *windowClass,
                 std::u16string_view text, DWORD style, DWORD exStyle, int id)
{
    const std::wstring caption = toWide(text);
    HWND child = CreateWindowExW(exStyle, windowClass, caption.c_str(), WS_CHILD | style, 0, 0, 0,
                                 0, parent, HMENU(INT_PTR(id)), instance, nullptr);
    if (!child)
        throw std::runtime_error("a control cannot be created");
    return child;
}

template <typename Array> int indexOf(const Array &windows, HWND window)
{
    const auto found = std::find(windows.begin(), windows.end(), window);
    return found == windows.end() ? -1 : int(found - windows.begin());
}

Handler changeHandler(Box box)
{
    for (const TextBoxDesign &design : kTextBoxes) {
        if (design.box == box)
            return design.change;
    }
    return nullptr;
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
        fonts_ = std::make_unique<DesignFonts>(dpi_);
        createMenu();
        createControls(instance);
        createAdapters();
        applyLayout();
        describeControls();
        raise(&FreefallHandlers::Form_Load);
        focus_ = edits_[std::size_t(Box::ImperialSpeed)];
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
    case WM_DESTROY:
        onDestroy();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// Menu and accelerator commands come without a control; control notifications with one.
void frmFreefall::onCommand(int id, int code, HWND control)
{
    if (!control) {
        if (id == controlids::kStopDisInfo)
            raise(kMenu.click);
        return;
    }
    if (const int box = indexOf(edits_, control); box >= 0) {
        if (code == EN_CHANGE && boxes_[std::size_t(box)] &&
            boxes_[std::size_t(box)]->takeChange()) {
            if (const Handler handler = changeHandler(Box(box)))
                raise(handler);
        }
        return;
    }
    if (const int button = indexOf(commandButtons_, control); button >= 0) {
        if (code == BN_CLICKED)
            raise(kCommandButtons[std::size_t(button)].click);
        else if (code == BN_SETFOCUS || code == BN_KILLFOCUS)
            updateDefaultButton();
        return;
    }
    if (const int option = indexOf(optionButtons_, control); option >= 0 && code == BN_CLICKED)
        optionClicked(std::size_t(option));
}

LRESULT frmFreefall::onNotify(const NMHDR &header)
{
    if (header.code != NM_CUSTOMDRAW)
        return 0;
    const int option = indexOf(optionButtons_, header.hwndFrom);
    if (option < 0 || !options_[std::size_t(option)])
        return CDRF_DODEFAULT;
    return options_[std::size_t(option)]->customDraw(
        reinterpret_cast<const NMCUSTOMDRAW &>(header));
}

HBRUSH frmFreefall::onCtlColor(HDC dc, HWND control)
{
    if (const int box = indexOf(edits_, control); box >= 0 && boxes_[std::size_t(box)])
        return boxes_[std::size_t(box)]->colourFor(dc);
    if (const int option = indexOf(optionButtons_, control);
        option >= 0 && options_[std::size_t(option)])
        return options_[std::size_t(option)]->colourFor(dc);
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
    const int focused = indexOf(commandButtons_, GetFocus());
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
        if (focused >= 0 ? std::size_t(focused) == i : kCommandButtons[i].marked)
            return MAKELRESULT(controlids::kFirstCommandButton + int(i), DC_HASDEFID);
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
    // The controls keep the old fonts until the layout gives them the new ones.
    std::unique_ptr<DesignFonts> previous =
        std::exchange(fonts_, std::make_unique<DesignFonts>(dpi_));
    applyLayout();
    fitWindowToClient(POINT{suggested.left, suggested.top});
}

void frmFreefall::onDestroy()
{
    if (names_)
        names_->clear();
    PostQuitMessage(0);
}

// The menu bar and its shortcut come from the design's menu row; the menu shows the shortcut
// after a tab, right-aligned.
void frmFreefall::createMenu()
{
    const std::wstring item = toWide(kMenu.item) + L"\t" + toWide(kMenu.shortcutText);
    const std::wstring title = toWide(kMenu.title);
    HMENU popup = CreatePopupMenu();
    HMENU bar = CreateMenu();
    if (!popup || !bar || !AppendMenuW(popup, MF_STRING, controlids::kStopDisInfo, item.c_str()) ||
        !AppendMenuW(bar, MF_POPUP, UINT_PTR(popup), title.c_str()) || !SetMenu(hwnd_, bar)) {
        if (bar)
            DestroyMenu(bar);
        throw std::runtime_error("the menu cannot be created");
    }
    ACCEL shortcut{FVIRTKEY | FCONTROL, WORD(kMenu.shortcutKey), WORD(controlids::kStopDisInfo)};
    accelerators_ = CreateAcceleratorTableW(&shortcut, 1);
}

// Creation order is z-order, which is the order the dialog manager's Tab follows; a group starts
// where the run of option buttons starts and where it ends, so the arrow keys stay inside it.
void frmFreefall::createControls(HINSTANCE instance)
{
    bool previousWasOption = false;
    bool first = true;
    for (const Slot &slot : slotsByTabIndex()) {
        const bool isOption = slot.kind == Slot::Kind::OptionButton;
        const DWORD group = (first || isOption != previousWasOption) ? WS_GROUP : 0;
        first = false;
        previousWasOption = isOption;
        switch (slot.kind) {
        case Slot::Kind::Box: {
            const Box box = kTextBoxes[slot.index].box;
            // A text box has no caption of its own: screen readers name it after the static
            // text just before it, which is this hidden label holding the box's role.
            nameLabels_[std::size_t(box)] =
                createChild(hwnd_, instance, L"STATIC", describe(box).role, group | SS_NOPREFIX, 0,
                            controlids::kFirstNameLabel + int(box));
            edits_[std::size_t(box)] = createChild(
                hwnd_, instance, L"EDIT", u"", WS_VISIBLE | group | ES_LEFT | ES_AUTOHSCROLL,
                WS_EX_CLIENTEDGE, controlids::box(std::size_t(box)));
            break;
        }
        case Slot::Kind::CommandButton: {
            const ButtonDesign &design = kCommandButtons[slot.index];
            const DWORD type = design.marked ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            commandButtons_[slot.index] =
                createChild(hwnd_, instance, L"BUTTON", design.caption,
                            WS_VISIBLE | group | WS_TABSTOP | type | BS_NOTIFY, 0,
                            controlids::kFirstCommandButton + int(slot.index));
            break;
        }
        case Slot::Kind::OptionButton: {
            const ButtonDesign &design = kOptionButtons[slot.index];
            HWND option = createChild(hwnd_, instance, L"BUTTON", design.caption,
                                      WS_VISIBLE | group | BS_AUTORADIOBUTTON, 0,
                                      controlids::kFirstOptionButton + int(slot.index));
            // Checking a radio button also gives it the group's tab stop.
            if (design.marked) {
                SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
                selectedOption_ = slot.index;
            }
            optionButtons_[slot.index] = option;
            break;
        }
        case Slot::Kind::Label: {
            const LabelDesign &design = kLabels[slot.index];
            // SS_NOTIFY: the label takes the mouse, so that its tooltip sees it.
            labels_[slot.index] =
                createChild(hwnd_, instance, L"STATIC", design.caption,
                            WS_VISIBLE | group | SS_NOTIFY | (design.centred ? SS_CENTER : SS_LEFT),
                            0, controlids::kFirstLabel + int(slot.index));
            break;
        }
        }
    }
    toolTips_ = std::make_unique<FormToolTips>(hwnd_);
    for (const TextBoxDesign &design : kTextBoxes)
        toolTips_->add(edits_[std::size_t(design.box)], design.toolTip);
    for (std::size_t i = 0; i < kLabels.size(); ++i)
        toolTips_->add(labels_[i], kLabels[i].toolTip);
}

// The forms operations on the controls, and the design's own look set through the same
// properties the handlers change later.
void frmFreefall::createAdapters()
{
    services_ = std::make_unique<Win32FormServices>(hwnd_);
    for (const TextBoxDesign &design : kTextBoxes) {
        auto &box = boxes_[std::size_t(design.box)];
        box = std::make_unique<Win32TextBox>(edits_[std::size_t(design.box)], kBoxMaxLength,
                                             dispatch_);
        if (design.yellow)
            box->setBackColor(colours::Yellow);
        box->setLocked(design.locked);
        box->setTabStop(design.tabStop);
    }
    for (std::size_t i = 0; i < kOptionButtons.size(); ++i)
        options_[i] = std::make_unique<Win32OptionButton>(optionButtons_[i]);

    const auto box = [this](Box which) -> TextBox & { return *boxes_[std::size_t(which)]; };
    handlers_ = std::make_unique<FreefallHandlers>(
        FormControls{box(Box::ImperialSpeed), box(Box::MetricSpeed), box(Box::StopInches),
                     box(Box::StopMillimeters), *options_[0], *options_[1], *services_},
        regional_);
}

void frmFreefall::describeControls()
{
    names_ = std::make_unique<AccessibleNames>();
    for (const TextBoxDesign &design : kTextBoxes)
        names_->describe(edits_[std::size_t(design.box)], describe(design.box).role,
                         design.accessibleDescription);
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i)
        names_->describe(commandButtons_[i], kCommandButtons[i].accessibleName,
                         kCommandButtons[i].accessibleDescription);
    for (std::size_t i = 0; i < kOptionButtons.size(); ++i)
        names_->describe(optionButtons_[i], kOptionButtons[i].accessibleName,
                         kOptionButtons[i].accessibleDescription);
    for (std::size_t i = 0; i < kLabels.size(); ++i)
        names_->describe(labels_[i], kLabels[i].caption, kLabels[i].accessibleDescription);
}

// Positions, sizes and fonts at the window's DPI.
void frmFreefall::applyLayout()
{
    const Layout layout(dpi_);
    const auto place = [&](HWND control, const Twips &twips, FontKind font) {
        const RECT r = layout.rect(twips);
        SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, WPARAM(fonts_->font(font)), TRUE);
    };
    for (const TextBoxDesign &design : kTextBoxes)
        place(edits_[std::size_t(design.box)], design.geometry, FontKind::TextBox);
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i)
        place(commandButtons_[i], kCommandButtons[i].geometry, FontKind::Caption);
    for (std::size_t i = 0; i < kOptionButtons.size(); ++i)
        place(optionButtons_[i], kOptionButtons[i].geometry, FontKind::Caption);
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        const LabelDesign &design = kLabels[i];
        place(labels_[i], design.geometry, design.font);
        const RECT r = layout.rect(design.geometry);
        const std::wstring lines =
            wrapCaption(toWide(design.caption), fonts_->font(design.font), r.right - r.left);
        SetWindowTextW(labels_[i], lines.c_str());
    }

    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    fitWindowToClient(POINT{frame.left, frame.top});
}

// The frame around the design's client area at this DPI. The menu bar can take another height
// than the system metrics predict, so the client area is measured and the frame corrected.
void frmFreefall::fitWindowToClient(POINT topLeft)
{
    const Layout layout(dpi_);
    const int width = layout.pixels(kWindow.clientWidth);
    const int height = layout.pixels(kWindow.clientHeight);
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, kWindowExStyle, UINT(dpi_));
    int frameWidth = frame.right - frame.left;
    int frameHeight = frame.bottom - frame.top;
    SetWindowPos(hwnd_, nullptr, topLeft.x, topLeft.y, frameWidth, frameHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right != width || client.bottom != height) {
        frameWidth += width - client.right;
        frameHeight += height - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, frameWidth, frameHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void frmFreefall::raise(Handler handler)
{
    if (!handler || !handlers_)
        return;
    dispatch_.raise([this, handler] { (handlers_.get()->*handler)(); });
}

// An option button's Click is its becoming the selected one, by mouse, access key or arrow key;
// choosing the selected button again raises nothing, so a stray click cannot wipe the speed.
void frmFreefall::optionClicked(std::size_t index)
{
    if (index == selectedOption_ ||
        SendMessageW(optionButtons_[index], BM_GETCHECK, 0, 0) != BST_CHECKED)
        return;
    selectedOption_ = index;
    raise(kOptionButtons[index].click);
}

// A command button with the focus shows itself as the default, since Enter then clicks it; the
// design's default button shows so at all other times.
void frmFreefall::updateDefaultButton()
{
    const int focused = indexOf(commandButtons_, GetFocus());
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
        const bool isDefault = focused >= 0 ? std::size_t(focused) == i : kCommandButtons[i].marked;
        const LONG_PTR type = GetWindowLongPtrW(commandButtons_[i], GWL_STYLE) & BS_TYPEMASK;
        const LONG_PTR wanted = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if (type != wanted)
            SendMessageW(commandButtons_[i], BM_SETSTYLE, WPARAM(wanted), TRUE);
    }
}

HWND frmFreefall::focusedChild() const
{
    HWND focused = GetFocus();
    return focused && IsChild(hwnd_, focused) ? focused : nullptr;
}

bool frmFreefall::isEdit(HWND control) const
{
    return indexOf(edits_, control) >= 0;
}

} // namespace freefall

// The calculator window built from the design tables: its menu, its controls in tab order, the
// forms adapters handed to the handlers, the accessible names, and the layout at a DPI.
#include "app/design/formassembly.h"
#include "app/design/taborder.h"
#include "app/design/twipsscale.h"
#include "app/win32/captionwrap.h"
#include "app/win32/controlids.h"
#include "app/win32/frmfreefall.h"
#include "logic/freefallhandlers.h"
#include "runtime/win32/widetext.h"
#include "runtime/win32/win32formservices.h"
#include "runtime/win32/win32optionbutton.h"
#include "runtime/win32/win32textbox.h"
#include "runtime/win32/windowtext.h"

#include <stdexcept>
#include <string>

namespace freefall {

namespace {

using namespace design;

// Made where the layout puts it: under Wine each move is a trip to the server.
HWND createChild(HWND parent, HINSTANCE instance, const wchar_t *windowClass,
                 std::u16string_view text, DWORD style, DWORD exStyle, int id, PixelRect r = {})
{
    const std::wstring caption = toWide(text);
    HWND child =
        CreateWindowExW(exStyle, windowClass, caption.c_str(), WS_CHILD | style, r.left, r.top,
                        r.width, r.height, parent, HMENU(INT_PTR(id)), instance, nullptr);
    if (!child)
        throw std::runtime_error("a control cannot be created");
    return child;
}

} // namespace

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
    const TwipsScale scale(dpi_);
    bool previousWasOption = false;
    bool first = true;
    for (const ControlSlot &slot : kTabOrder) {
        const bool isOption = slot.kind == ControlSlot::Kind::OptionButton;
        const DWORD group = (first || isOption != previousWasOption) ? WS_GROUP : 0;
        first = false;
        previousWasOption = isOption;
        switch (slot.kind) {
        case ControlSlot::Kind::TextBox: {
            const Box box = kTextBoxes[slot.index].box;
            // A text box has no caption of its own: screen readers name it after the static
            // text just before it, which is this hidden label holding the box's role.
            nameLabels_[std::size_t(box)] =
                createChild(hwnd_, instance, L"STATIC", describe(box).role, group | SS_NOPREFIX, 0,
                            controlids::kNameLabels.id(std::size_t(box)));
            edits_[std::size_t(box)] = createChild(
                hwnd_, instance, L"EDIT", u"", WS_VISIBLE | group | ES_LEFT | ES_AUTOHSCROLL,
                WS_EX_CLIENTEDGE, controlids::kBoxes.id(std::size_t(box)),
                scale.rect(kTextBoxes[slot.index].geometry));
            break;
        }
        case ControlSlot::Kind::CommandButton: {
            const ButtonDesign &design = kCommandButtons[slot.index];
            const DWORD type = design.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            commandButtons_[slot.index] = createChild(
                hwnd_, instance, L"BUTTON", design.caption,
                WS_VISIBLE | group | WS_TABSTOP | type | BS_NOTIFY, 0,
                controlids::kCommandButtons.id(slot.index), scale.rect(design.geometry));
            break;
        }
        case ControlSlot::Kind::OptionButton: {
            const ButtonDesign &design = kOptionButtons[slot.index];
            HWND option = createChild(
                hwnd_, instance, L"BUTTON", design.caption, WS_VISIBLE | group | BS_AUTORADIOBUTTON,
                0, controlids::kOptionButtons.id(slot.index), scale.rect(design.geometry));
            // Checking a radio button also gives it the group's tab stop.
            if (design.selectedAtCreation)
                SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
            optionButtons_[slot.index] = option;
            break;
        }
        case ControlSlot::Kind::Label: {
            const LabelDesign &design = kLabels[slot.index];
            // SS_NOTIFY: the label takes the mouse, so that its tooltip sees it.
            labels_[slot.index] =
                createChild(hwnd_, instance, L"STATIC", design.caption,
                            WS_VISIBLE | group | SS_NOTIFY |
                                (design.alignment == Alignment::Centre ? SS_CENTER : SS_LEFT),
                            0, controlids::kLabels.id(slot.index), scale.rect(design.geometry));
            break;
        }
        }
    }
}

// The tooltip control is a window of its own, which takes Wine some milliseconds to make: it is
// made once the window has been shown, before anyone can rest the mouse on a control.
void frmFreefall::createToolTips()
{
    if (toolTips_)
        return;
    toolTips_ = std::make_unique<FormToolTips>(hwnd_);
    for (const TextBoxDesign &design : kTextBoxes)
        toolTips_->add(edits_[std::size_t(design.box)], design.toolTip);
    for (std::size_t i = 0; i < kLabels.size(); ++i)
        toolTips_->add(labels_[i], kLabels[i].toolTip);
}

// The forms operations on the controls, handed to the handlers.
void frmFreefall::createAdapters()
{
    services_ = std::make_unique<Win32FormServices>(hwnd_);
    handlers_ = assembleHandlers(
        boxes_, options_, *services_, regional_,
        [&](std::size_t i) {
            return std::make_unique<Win32TextBox>(edits_[i], kBoxMaxLength, dispatch_);
        },
        [&](std::size_t i) { return std::make_unique<Win32OptionButton>(optionButtons_[i]); });
}

void frmFreefall::describeControls()
{
    names_ = std::make_unique<AccessibleNames>();
    for (const TextBoxDesign &design : kTextBoxes)
        names_->describe(edits_[std::size_t(design.box)], describe(design.box).role,
                         design::accessibleDescription(design));
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i)
        names_->describe(commandButtons_[i], kCommandButtons[i].accessibleName,
                         kCommandButtons[i].accessibleDescription);
    for (std::size_t i = 0; i < kOptionButtons.size(); ++i)
        names_->describe(optionButtons_[i], kOptionButtons[i].accessibleName,
                         kOptionButtons[i].accessibleDescription);
    for (std::size_t i = 0; i < kLabels.size(); ++i)
        names_->describe(labels_[i], kLabels[i].caption, design::accessibleDescription(kLabels[i]));
}

// Positions, sizes and fonts at the window's DPI.
void frmFreefall::applyLayout()
{
    const TwipsScale scale(dpi_);
    // A window not yet shown paints everything when it is; redrawing before is wasted.
    const BOOL redraw = IsWindowVisible(hwnd_);
    const auto place = [&](HWND control, const Twips &twips, FontKind font) {
        const PixelRect r = scale.rect(twips);
        RECT now{};
        GetWindowRect(control, &now);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT *>(&now), 2);
        if (now.left != r.left || now.top != r.top || now.right - now.left != r.width ||
            now.bottom - now.top != r.height)
            SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, WPARAM(fonts_->font(font)), redraw);
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
        const std::wstring lines = wrapCaption(toWide(design.caption), fonts_->font(design.font),
                                               scale.pixels(design.geometry.width));
        if (windowText(labels_[i]) != lines)
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
    const TwipsScale scale(dpi_);
    const int width = scale.pixels(kWindow.clientWidth);
    const int height = scale.pixels(kWindow.clientHeight);
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

} // namespace freefall

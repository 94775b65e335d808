// The calculator window on the Win32 API: the controls of the design tables as child windows,
// their notifications raised on the handlers of FreefallHandlers.
#pragma once

#include "app/design/freefalldesign.h"
#include "app/design/optiongroup.h"
#include "app/win32/accessiblenames.h"
#include "app/win32/designfonts.h"
#include "app/win32/formtooltips.h"
#include "logic/boxes.h"
#include "runtime/eventdispatch.h"
#include "runtime/forms.h"
#include "runtime/regionalsettings.h"
#include "runtime/win32/gdiobject.h"

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string_view>

namespace freefall {

class FreefallHandlers;
class Win32FormServices;
class Win32OptionButton;
class Win32TextBox;

class frmFreefall
{
public:
    // Creates the window and its controls and runs Form_Load, hidden; the focus goes to the
    // feet-per-minute box when the window is first activated. regional must outlive the
    // window. Throws std::runtime_error when the window cannot be created.
    frmFreefall(HINSTANCE instance, const RegionalSettings &regional);
    ~frmFreefall();
    frmFreefall(const frmFreefall &) = delete;
    frmFreefall &operator=(const frmFreefall &) = delete;

    // Places the window in the middle of its monitor's work area and shows it.
    void show(int showCommand);

    // The accelerator table and the dialog manager's keyboard handling (Tab, arrows, Enter,
    // access keys), for the message loop: true when the message has been handled.
    bool translateMessage(MSG &message);

    HWND hwnd() const { return hwnd_; }
    // A control by its name in the design; nullptr for an unknown name.
    HWND control(std::u16string_view name) const;
    // Made once the window has been shown and its first messages handled.
    HWND toolTips() const { return toolTips_ ? toolTips_->hwnd() : nullptr; }
    const Win32TextBox &box(Box which) const { return *boxes_[std::size_t(which)]; }
    const Win32OptionButton &option(std::size_t index) const { return *options_[index]; }
    const DesignFonts &fonts() const { return *fonts_; }
    MousePointer mousePointer() const;
    bool imperialMode() const;

private:
    // A fixed single border: no sizing frame and no maximise button.
    static constexpr DWORD kWindowStyle =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    static constexpr DWORD kWindowExStyle = 0;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // One function for each message the window handles, and for each control's notification.
    void onCommand(int id, int code, HWND control);
    void onBoxChange(Box box);
    void onCommandButton(std::size_t index, int code);
    void onOptionButton(std::size_t index, int code);
    void onStopDisInfo();
    LRESULT onNotify(const NMHDR &header);
    HBRUSH onCtlColor(HDC dc, HWND control);
    bool onSetCursor(HWND over, int hitTest);
    LRESULT onGetDefId() const;
    void onNextDlgCtl(WPARAM target, LPARAM byHandle);
    void onActivate(bool active);
    void onSetFocus();
    void onDpiChanged(int dpi, const RECT &suggested);
    void onSysColorChange();
    void onSettingChange();
    void onThemeChanged();
    void onDestroy();

    // The window's construction from the design tables (frmfreefallcreate.cpp).
    void createMenu();
    void createControls(HINSTANCE instance);
    void createToolTips();
    void createAdapters();
    void describeControls();
    void applyLayout();
    void fitWindowToClient(POINT topLeft);

    void loadIcons();
    void repaintAll();
    void raise(design::Handler handler);
    void updateDefaultButton();
    std::optional<std::size_t> focusedCommandButton() const;
    HWND focusedChild() const;
    bool isEdit(HWND control) const;

    HWND hwnd_ = nullptr;
    const RegionalSettings &regional_;
    EventDispatch dispatch_;
    int dpi_ = 96;
    HACCEL accelerators_ = nullptr;
    HWND focus_ = nullptr; // the child that has, or last had, the focus
    design::OptionGroup optionGroup_;

    // In the order of Box and of the design's tables.
    std::array<HWND, kBoxes.size()> edits_{};
    std::array<HWND, design::kCommandButtons.size()> commandButtons_{};
    std::array<HWND, design::kOptionButtons.size()> optionButtons_{};
    std::array<HWND, design::kLabels.size()> labels_{};
    std::array<HWND, kBoxes.size()> nameLabels_{}; // hidden, each just before its box

    UniqueIcon smallIcon_; // the title bar's
    UniqueIcon bigIcon_;   // Alt+Tab's and the taskbar's
    std::unique_ptr<DesignFonts> fonts_;
    std::unique_ptr<FormToolTips> toolTips_;
    std::unique_ptr<AccessibleNames> names_;
    std::array<std::unique_ptr<Win32TextBox>, kBoxes.size()> boxes_;
    std::array<std::unique_ptr<Win32OptionButton>, design::kOptionButtons.size()> options_;
    std::unique_ptr<Win32FormServices> services_;
    std::unique_ptr<FreefallHandlers> handlers_;
};

} // namespace freefall

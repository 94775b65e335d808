// The Win32 window of the calculator, in-process under Wine: its frame, layout, fonts,
// tooltips and accessible names as designed, and the keyboard, the modes, the nine-character
// limit, the formula message and the pointer keywords as a user meets them.
#include "tests/support/designfixture.h"
#include "tests/support/doctesttext.h"
#include "tests/support/winfile.h"
#include "tests/winwindow/windowdriver.h"

#include "app/design/freefalldesign.h"
#include "logic/formulamessage.h"
#include "runtime/eventdispatch.h"
#include "runtime/runtimeerror.h"
#include "runtime/win32/win32optionbutton.h"
#include "runtime/win32/win32textbox.h"

#include <doctest/doctest.h>

#include <commctrl.h>
#include <oleacc.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace freefall;
using namespace freefall::testing;

namespace {

using namespace design;

std::u16string windowText(HWND window)
{
    wchar_t buffer[512];
    const int length = GetWindowTextW(window, buffer, 512);
    return std::u16string(buffer, buffer + (length > 0 ? length : 0));
}

LONG_PTR style(HWND window)
{
    return GetWindowLongPtrW(window, GWL_STYLE);
}

RECT clientRectOf(HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&r), 2);
    return r;
}

std::u16string menuText(HMENU menu, int position)
{
    wchar_t buffer[128];
    const int length = GetMenuStringW(menu, UINT(position), buffer, 128, MF_BYPOSITION);
    return std::u16string(buffer, buffer + (length > 0 ? length : 0));
}

void setClipboard(HWND owner, std::u16string_view text)
{
    REQUIRE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto *target = static_cast<wchar_t *>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), target);
    target[text.size()] = 0;
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

void selectAll(WindowDriver &driver, Box box)
{
    HWND edit = driver.control(describe(box).name);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    driver.pump();
}

// The cursor the window sets over a control, as the system asks it when the mouse moves there.
HCURSOR cursorOver(WindowDriver &driver, HWND control)
{
    SetCursor(nullptr);
    SendMessageW(control, WM_SETCURSOR, WPARAM(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    driver.pump();
    return GetCursor();
}

} // namespace

TEST_CASE("the window's frame: title with its blanks, fixed border, client area, centred, menu")
{
    WindowDriver driver;
    HWND window = driver.window().hwnd();
    REQUIRE(GetDpiForWindow(window) == 96);

    CHECK(windowText(window) == kWindow.title);
    CHECK(windowText(window) == u" Gravity Stopping Distance Calculator         freefall.example");
    CHECK((style(window) & WS_MAXIMIZEBOX) == 0);
    CHECK((style(window) & WS_THICKFRAME) == 0);
    CHECK((style(window) & WS_MINIMIZEBOX) != 0);
    CHECK((style(window) & WS_SYSMENU) != 0);

    RECT client{};
    GetClientRect(window, &client);
    CHECK(client.right == 527);
    CHECK(client.bottom == 252);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(window, &frame);
    CHECK(std::abs((frame.left + frame.right) - (monitor.rcWork.left + monitor.rcWork.right)) <= 1);
    CHECK(std::abs((frame.top + frame.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)) <= 1);

    HMENU bar = GetMenu(window);
    REQUIRE(GetMenuItemCount(bar) == 1);
    CHECK(menuText(bar, 0) == u"&Help");
    HMENU help = GetSubMenu(bar, 0);
    REQUIRE(GetMenuItemCount(help) == 1);
    CHECK(menuText(help, 0) == u"&Stopping Distance Info\tCtrl+S");
}

TEST_CASE("each control at its twips, with its caption, font, look and tab stop")
{
    WindowDriver driver;
    const auto fontOf = [](FixtureFont font) {
        switch (font) {
        case FixtureFont::TextBox:
            return FontKind::TextBox;
        case FixtureFont::Caption:
            return FontKind::Caption;
        case FixtureFont::Title:
            break;
        }
        return FontKind::Title;
    };
    for (const FixtureControl &expected : kFixtureControls) {
        CAPTURE(std::u16string(expected.name));
        HWND control = driver.control(expected.name);
        REQUIRE(control);
        const RECT r = clientRectOf(control);
        CHECK(r.left == expected.left);
        CHECK(r.top == expected.top);
        CHECK(r.right - r.left == expected.width);
        CHECK(r.bottom - r.top == expected.height);
        CHECK(HFONT(SendMessageW(control, WM_GETFONT, 0, 0)) ==
              driver.window().fonts().font(fontOf(expected.font)));
        CHECK(((style(control) & WS_TABSTOP) != 0) == expected.tabStopAfterLoad);
        // A label shows its caption broken into its lines.
        std::u16string shown = windowText(control);
        for (std::size_t at; (at = shown.find(u"\r\n")) != std::u16string::npos;)
            shown.replace(at, 2, u" ");
        CHECK(shown == expected.caption);
    }
    CHECK(windowText(driver.control(u"Label5")) == u"Gravity Stopping\r\nDistance:");

    struct FontRow
    {
        FontKind kind;
        const wchar_t *family;
        LONG height;
        LONG weight;
    };
    // The bitmap family has 13 and 16 pixel characters at 96 dpi, not 18.
    for (const FontRow &row : {FontRow{FontKind::TextBox, L"MS Sans Serif", -16, FW_BOLD},
                               FontRow{FontKind::Caption, L"MS Sans Serif", -13, FW_BOLD},
                               FontRow{FontKind::Title, L"Microsoft Sans Serif", -18, FW_NORMAL}}) {
        LOGFONTW font{};
        REQUIRE(GetObjectW(driver.window().fonts().font(row.kind), sizeof font, &font));
        CHECK(std::wstring(font.lfFaceName) == row.family);
        CHECK(font.lfHeight == row.height);
        CHECK(font.lfWeight == row.weight);
        CHECK(font.lfCharSet == ANSI_CHARSET);
        CHECK(!font.lfItalic);
        CHECK(!font.lfUnderline);
    }

    for (const TextBoxDesign &design : kTextBoxes) {
        HWND edit = driver.control(describe(design.box).name);
        CHECK(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0) == 9);
        CHECK((GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
    }
    const auto &metric = driver.window().box(Box::MetricSpeed);
    CHECK(metric.locked());
    CHECK(metric.backColor() == colours::Yellow);
    CHECK(!driver.window().box(Box::ImperialSpeed).backColor()); // the standard window colour
    CHECK(driver.window().box(Box::StopInches).backColor() == colours::Yellow);
    CHECK(driver.window().option(0).foreColor() == colours::Red);
    CHECK(!driver.window().option(1).foreColor());
    CHECK((style(driver.control(u"cmdCalculate")) & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    CHECK(SendMessageW(driver.control(u"optImperial"), BM_GETCHECK, 0, 0) == BST_CHECKED);
}

TEST_CASE("tooltips hold their exact texts, blanks at both ends included")
{
    WindowDriver driver;
    HWND tips = driver.window().toolTips();
    REQUIRE(tips);
    struct Row
    {
        std::u16string_view control;
        std::u16string_view text; // empty: no tooltip
    };
    const Row rows[] = {
        {u"txtImperialSpeed", u" Initial velocity in feet per minute "},
        {u"txtStopInches", u" Free fall (gravity stopping distance) in inches "},
        {u"txtMetricSpeed", u" Initial velocity in meters per second "},
        {u"txtStopMillimeters", u" Free fall (gravity stopping distance) in millimeters "},
        {u"Label6", u" Feet per minute "},
        {u"Label7", u" Inches "},
        {u"Label8", u" Meters per second "},
        {u"Label9", u" Millimeters "},
        {u"Label1", u""},
        {u"Label4", u""},
        {u"Label5", u""},
        {u"cmdCalculate", u""},
        {u"cmdClear", u""},
        {u"optImperial", u""},
        {u"optMetric", u""},
    };
    CHECK(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0) == 8);
    for (const Row &row : rows) {
        CAPTURE(std::u16string(row.control));
        wchar_t buffer[128] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = driver.window().hwnd();
        tool.uId = UINT_PTR(driver.control(row.control));
        const bool hasTool = SendMessageW(tips, TTM_GETTOOLINFOW, 0, LPARAM(&tool)) != 0;
        CHECK(hasTool == !row.text.empty());
        if (!hasTool)
            continue;
        tool.lpszText = buffer;
        SendMessageW(tips, TTM_GETTEXTW, 128, LPARAM(&tool));
        CHECK(std::u16string(buffer, buffer + wcslen(buffer)) == row.text);
    }
}

// Each box's name is given twice, the same: as a dynamic annotation, which Windows' accessibility
// framework puts before all else and Wine 8 does not implement, and as the hidden static text
// just before the box, which both take for a text box's name. This checks the second.
TEST_CASE("screen readers get a name for every box")
{
    WindowDriver driver;
    struct Row
    {
        std::u16string_view control;
        std::u16string_view name;
    };
    const Row rows[] = {
        {u"txtImperialSpeed", u"Speed in feet per minute"},
        {u"txtMetricSpeed", u"Speed in meters per second"},
        {u"txtStopInches", u"Stopping distance in inches"},
        {u"txtStopMillimeters", u"Stopping distance in millimeters"},
    };
    for (const Row &row : rows) {
        CAPTURE(std::u16string(row.control));
        IAccessible *accessible = nullptr;
        REQUIRE(SUCCEEDED(AccessibleObjectFromWindow(driver.control(row.control),
                                                     DWORD(OBJID_CLIENT), IID_IAccessible,
                                                     reinterpret_cast<void **>(&accessible))));
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        const HRESULT got = accessible->get_accName(self, &name);
        accessible->Release();
        REQUIRE(SUCCEEDED(got));
        const std::u16string text = name ? std::u16string(name, name + SysStringLen(name)) : u"";
        SysFreeString(name);
        CHECK(text == row.name);
    }
}

TEST_CASE("typing a speed and Enter calculates; Enter on Clear clears")
{
    WindowDriver driver;
    CHECK(driver.focusName() == u"txtImperialSpeed");
    driver.type(u"100");
    driver.press(VK_RETURN);
    CHECK(driver.text(Box::ImperialSpeed) == u"100");
    CHECK(driver.text(Box::MetricSpeed) == u"0.51");
    CHECK(driver.text(Box::StopInches) == u"0.52");
    CHECK(driver.text(Box::StopMillimeters) == u"13.21");

    // Clear shows itself as the default button while it has the focus, and Enter clicks it.
    driver.press(VK_TAB);
    driver.press(VK_TAB);
    REQUIRE(driver.focusName() == u"cmdClear");
    CHECK((style(driver.control(u"cmdClear")) & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    CHECK((style(driver.control(u"cmdCalculate")) & BS_TYPEMASK) == BS_PUSHBUTTON);
    driver.press(VK_RETURN);
    for (const BoxDescription &box : kBoxes)
        CHECK(driver.text(box.box).empty());
    CHECK(driver.focusName() == u"txtImperialSpeed");
    CHECK((style(driver.control(u"cmdCalculate")) & BS_TYPEMASK) == BS_DEFPUSHBUTTON);

    // Enter on an option button clicks the default button.
    driver.type(u"1000");
    driver.press(VK_TAB, {VK_SHIFT});
    REQUIRE(driver.focusName() == u"optImperial");
    driver.press(VK_RETURN);
    CHECK(driver.text(Box::StopMillimeters) == u"1,314.70");
}

TEST_CASE("Tab follows the tab order and enters the option group at its selected button")
{
    WindowDriver driver;
    const std::u16string imperialCycle[] = {u"cmdCalculate", u"cmdClear", u"optImperial",
                                            u"txtImperialSpeed"};
    for (const std::u16string &next : imperialCycle) {
        driver.press(VK_TAB);
        CHECK(driver.focusName() == next);
    }
    const std::u16string backwards[] = {u"optImperial", u"cmdClear", u"cmdCalculate",
                                        u"txtImperialSpeed"};
    for (const std::u16string &next : backwards) {
        driver.press(VK_TAB, {VK_SHIFT});
        CHECK(driver.focusName() == next);
    }
    // In Metric mode the metres-per-second box takes the place of the other.
    driver.press('M', {VK_MENU});
    REQUIRE(driver.focusName() == u"txtMetricSpeed");
    const std::u16string metricCycle[] = {u"cmdCalculate", u"cmdClear", u"optMetric",
                                          u"txtMetricSpeed"};
    for (const std::u16string &next : metricCycle) {
        driver.press(VK_TAB);
        CHECK(driver.focusName() == next);
    }
}

TEST_CASE("the modes: access keys, arrow keys, looks and the Metric calculation")
{
    WindowDriver driver;
    driver.type(u"100");
    driver.press('C', {VK_MENU});
    REQUIRE(driver.text(Box::StopInches) == u"0.52");

    driver.press('M', {VK_MENU});
    CHECK(!driver.window().imperialMode());
    for (const BoxDescription &box : kBoxes)
        CHECK(driver.text(box.box).empty());
    CHECK(driver.focusName() == u"txtMetricSpeed");
    const Win32TextBox &imperial = driver.window().box(Box::ImperialSpeed);
    const Win32TextBox &metric = driver.window().box(Box::MetricSpeed);
    CHECK(imperial.backColor() == colours::Yellow);
    CHECK(imperial.locked());
    CHECK(!imperial.tabStop());
    CHECK(metric.backColor() == colours::White);
    CHECK(!metric.locked());
    CHECK(metric.tabStop());
    CHECK(driver.window().option(0).foreColor() == colours::Black);
    CHECK(driver.window().option(1).foreColor() == colours::Red);

    driver.type(u"50");
    driver.press(VK_RETURN);
    CHECK(driver.text(Box::ImperialSpeed) == u"9,842.52");
    CHECK(driver.text(Box::MetricSpeed) == u"50");
    CHECK(driver.text(Box::StopInches) == u"5,014.02");
    CHECK(driver.text(Box::StopMillimeters) == u"127,356.0");

    // Choosing the selected mode again changes nothing; the access key still moves the focus
    // to its button.
    driver.press('M', {VK_MENU});
    CHECK(driver.text(Box::StopMillimeters) == u"127,356.0");
    REQUIRE(driver.focusName() == u"optMetric");

    // An arrow key in the group selects the other button, which switches the mode.
    driver.press(VK_LEFT);
    CHECK(driver.window().imperialMode());
    CHECK(SendMessageW(driver.control(u"optImperial"), BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(SendMessageW(driver.control(u"optMetric"), BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    CHECK(driver.focusName() == u"txtImperialSpeed");
    CHECK(driver.text(Box::StopMillimeters).empty());
    CHECK(imperial.backColor() == colours::White);
    CHECK(driver.window().option(0).foreColor() == colours::Red);

    driver.type(u"7");
    driver.press('L', {VK_MENU});
    CHECK(driver.text(Box::ImperialSpeed).empty());
    CHECK(driver.focusName() == u"txtImperialSpeed");
}

TEST_CASE("editing the input speed wipes stale results, and only a real change does")
{
    WindowDriver driver;
    driver.type(u"100");
    driver.press(VK_RETURN);
    REQUIRE(driver.text(Box::StopInches) == u"0.52");

    // Replacing the first digit by the same digit is no change of the text.
    HWND fpm = driver.control(u"txtImperialSpeed");
    SendMessageW(fpm, EM_SETSEL, 0, 1);
    driver.type(u"1");
    CHECK(driver.text(Box::ImperialSpeed) == u"100");
    CHECK(driver.text(Box::StopInches) == u"0.52");

    SendMessageW(fpm, EM_SETSEL, 3, 3);
    driver.type(u"5");
    CHECK(driver.text(Box::ImperialSpeed) == u"1005");
    CHECK(driver.text(Box::MetricSpeed).empty());
    CHECK(driver.text(Box::StopInches).empty());
    CHECK(driver.text(Box::StopMillimeters).empty());

    // The result boxes take the focus and a selection but no typing.
    driver.press(VK_RETURN);
    HWND inches = driver.control(u"txtStopInches");
    SetFocus(inches);
    driver.pump();
    driver.type(u"9");
    CHECK(driver.text(Box::StopInches) == u"52.28");

    // In Metric mode the same rule keys on the millimetres box.
    driver.press('M', {VK_MENU});
    driver.type(u"1");
    driver.press(VK_RETURN);
    REQUIRE(driver.text(Box::StopMillimeters) == u"50.94");
    driver.type(u"0");
    CHECK(driver.text(Box::MetricSpeed) == u"10");
    CHECK(driver.text(Box::ImperialSpeed).empty());
    CHECK(driver.text(Box::StopMillimeters).empty());
}

TEST_CASE("nine characters at most, typed, pasted or written by the program")
{
    WindowDriver driver;
    driver.type(u"12345678901");
    CHECK(driver.text(Box::ImperialSpeed) == u"123456789");

    driver.press('L', {VK_MENU});
    setClipboard(driver.window().hwnd(), u"98765432109876");
    driver.press('V', {VK_CONTROL});
    CHECK(driver.text(Box::ImperialSpeed) == u"987654321");

    // 127,356.09 is written cut to its first nine characters, and read back so.
    driver.press('M', {VK_MENU});
    driver.type(u"50");
    driver.press(VK_RETURN);
    CHECK(driver.text(Box::StopMillimeters) == u"127,356.0");
    CHECK(driver.text(Box::StopInches) == u"5,014.02");
}

namespace {

// What a message box showed, read by a second thread while the box waits for the user.
struct MessageBoxSeen
{
    bool found = false;
    std::u16string text;
    std::vector<std::u16string> buttons;
    bool icon = false;
};

MessageBoxSeen closeMessageBox(const wchar_t *title)
{
    MessageBoxSeen seen;
    HWND box = nullptr;
    for (int i = 0; i < 500 && !box; ++i) {
        box = FindWindowW(L"#32770", title);
        if (!box)
            Sleep(10);
    }
    if (!box)
        return seen;
    seen.found = true;
    wchar_t text[2048];
    const UINT length = GetDlgItemTextW(box, 0xFFFF, text, 2048);
    seen.text.assign(text, text + length);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32];
        GetClassNameW(child, className, 32);
        if (!IsWindowVisible(child))
            continue;
        if (lstrcmpiW(className, L"Button") == 0)
            seen.buttons.push_back(windowText(child));
        if (lstrcmpiW(className, L"Static") == 0 && (style(child) & SS_TYPEMASK) == SS_ICON &&
            SendMessageW(child, STM_GETICON, 0, 0) != 0)
            seen.icon = true;
    }
    // Return dismisses the box, as the user would.
    SetForegroundWindow(box);
    INPUT keys[] = {keyDown(VK_RETURN), keyUp(VK_RETURN)};
    SendInput(2, keys, sizeof(INPUT));
    for (int i = 0; i < 300 && IsWindow(box); ++i)
        Sleep(10);
    if (IsWindow(box))
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    return seen;
}

} // namespace

TEST_CASE("Ctrl+S and Alt+H, S show the formula message: its text, OK only, no icon")
{
    struct Way
    {
        const char *name;
        std::vector<INPUT> keys;
    };
    const std::vector<Way> ways = {
        {"Ctrl+S", {keyDown(VK_CONTROL), keyDown('S'), keyUp('S'), keyUp(VK_CONTROL)}},
        {"Alt+H, S",
         {keyDown(VK_MENU), keyDown('H'), keyUp('H'), keyUp(VK_MENU), keyDown('S'), keyUp('S')}},
    };
    for (const Way &way : ways) {
        CAPTURE(way.name);
        WindowDriver driver;
        driver.type(u"100");
        MessageBoxSeen seen;
        std::thread watcher([&] {
            seen = closeMessageBox(
                std::wstring(kFormulaMessageTitle.begin(), kFormulaMessageTitle.end()).c_str());
        });
        std::vector<INPUT> keys = way.keys;
        SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
        driver.pumpUntil([&] { return false; }, 1500);
        watcher.join();
        REQUIRE(seen.found);
        CHECK(seen.text == formulaMessage());
        CHECK(seen.buttons == std::vector<std::u16string>{u"OK"});
        CHECK(!seen.icon);
        CHECK(driver.text(Box::ImperialSpeed) == u"100");
        CHECK(driver.focusName() == u"txtImperialSpeed");
    }
}

namespace {

void removePath(const wchar_t *path)
{
    SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileW(path))
        RemoveDirectoryW(path);
}

void writeFile(const wchar_t *path, const std::vector<std::uint8_t> &bytes)
{
    removePath(path);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void put16(std::vector<std::uint8_t> &bytes, std::size_t at, unsigned value)
{
    bytes[at] = std::uint8_t(value);
    bytes[at + 1] = std::uint8_t(value >> 8);
}

void put32(std::vector<std::uint8_t> &bytes, std::size_t at, unsigned value)
{
    put16(bytes, at, value & 0xFFFF);
    put16(bytes, at + 2, value >> 16);
}

// An icon directory of one entry whose data is the given bytes.
std::vector<std::uint8_t> iconOf(const std::vector<std::uint8_t> &image, unsigned side = 32)
{
    std::vector<std::uint8_t> file(22);
    put16(file, 2, 1);
    put16(file, 4, 1);
    file[6] = std::uint8_t(side);
    file[7] = std::uint8_t(side);
    put16(file, 10, 1);
    put16(file, 12, 32);
    put32(file, 14, unsigned(image.size()));
    put32(file, 18, 22);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

std::vector<std::uint8_t> bitmapHeader(int width, int height)
{
    std::vector<std::uint8_t> header(40 + 64);
    put32(header, 0, 40);
    put32(header, 4, unsigned(width));
    put32(header, 8, unsigned(height * 2));
    put16(header, 12, 1);
    put16(header, 14, 32);
    return header;
}

std::vector<std::uint8_t> pngHeader(unsigned width, unsigned height)
{
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                     0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    for (unsigned value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            png.push_back(std::uint8_t(value >> shift));
    png.resize(64);
    return png;
}

} // namespace

TEST_CASE("pointer keywords with good and broken icon files at their paths")
{
    CreateDirectoryW(L"C:\\ICONS", nullptr);
    const std::vector<std::uint8_t> good = readFile(L"" FREEFALL_TEST_ICON);
    REQUIRE(good.size() > 22);
    writeFile(L"C:\\ICONS\\ZincBasalt.ico", good);
    removePath(L"C:\\icons\\cobalt.ico");

    WindowDriver driver;
    HWND label = driver.control(u"Label4");
    HWND edit = driver.control(u"txtStopInches");
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    CHECK(driver.window().mousePointer() == MousePointer::Default);
    CHECK(cursorOver(driver, label) == arrow);

    // After a calculation the keyword first wipes the results, then acts; the custom pointer
    // shows over the window and its controls, the text boxes keep their text cursor.
    driver.type(u"100");
    driver.press(VK_RETURN);
    selectAll(driver, Box::ImperialSpeed);
    driver.type(u"zinc");
    CHECK(driver.window().mousePointer() == MousePointer::Custom);
    CHECK(driver.text(Box::ImperialSpeed).empty());
    CHECK(driver.text(Box::StopInches).empty());
    const HCURSOR zinc = cursorOver(driver, label);
    CHECK(zinc != nullptr);
    CHECK(zinc != arrow);
    CHECK(cursorOver(driver, driver.window().hwnd()) == zinc);
    CHECK(cursorOver(driver, edit) == LoadCursorW(nullptr, IDC_IBEAM));

    // Near misses do not match.
    for (std::u16string_view text : {u"Zinc", u" zinc", u"zinc1", u"ARROW"}) {
        CAPTURE(std::u16string(text));
        driver.press('L', {VK_MENU});
        setClipboard(driver.window().hwnd(), text);
        driver.press('V', {VK_CONTROL});
        CHECK(driver.text(Box::ImperialSpeed) == text);
        CHECK(driver.window().mousePointer() == MousePointer::Custom);
    }

    // A file that cannot be loaded: the pointer value is already custom, the previous icon
    // stays, the keyword stays in the box.
    struct Broken
    {
        const char *what;
        std::vector<std::uint8_t> bytes;
        bool directory = false;
    };
    std::vector<std::uint8_t> pastTheEnd = iconOf(bitmapHeader(32, 32));
    put32(pastTheEnd, 14, 100000);
    std::vector<std::uint8_t> twoAtOnePlace = iconOf(bitmapHeader(32, 32));
    twoAtOnePlace.insert(twoAtOnePlace.begin() + 22, twoAtOnePlace.begin() + 6,
                         twoAtOnePlace.begin() + 22);
    put16(twoAtOnePlace, 4, 2);
    put32(twoAtOnePlace, 18, 38);
    put32(twoAtOnePlace, 34, 38);
    std::vector<std::uint8_t> overMiB = good;
    overMiB.resize(1024 * 1024 + 1);
    const std::vector<Broken> broken = {
        {"missing", {}},
        {"empty", {0}},
        {"not an icon", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'c', 'o', 'n'}},
        {"cut short", std::vector<std::uint8_t>(good.begin(), good.begin() + 200)},
        {"entry past the end", pastTheEnd},
        {"two entries at one place", twoAtOnePlace},
        {"a 512 x 512 bitmap", iconOf(bitmapHeader(512, 512), 0)},
        {"a 30000 x 30000 PNG", iconOf(pngHeader(30000, 30000), 0)},
        {"over 1 MiB", overMiB},
        {"a directory", {}, true},
    };
    for (const Broken &file : broken) {
        CAPTURE(file.what);
        removePath(L"C:\\ICONS\\quartz.ico");
        if (file.directory)
            CreateDirectoryW(L"C:\\ICONS\\quartz.ico", nullptr);
        else if (std::string_view(file.what) != "missing")
            writeFile(L"C:\\ICONS\\quartz.ico", file.what == std::string_view("empty")
                                                    ? std::vector<std::uint8_t>()
                                                    : file.bytes);
        driver.press('L', {VK_MENU});
        driver.type(u"quartz");
        CHECK(driver.text(Box::ImperialSpeed) == u"quartz");
        CHECK(driver.window().mousePointer() == MousePointer::Custom);
        CHECK(cursorOver(driver, label) == zinc);
    }
    removePath(L"C:\\ICONS\\quartz.ico");

    // cobalt's folder is spelled in lower case; Windows paths ignore case, so the file in
    // C:\ICONS serves it.
    driver.press('L', {VK_MENU});
    driver.type(u"cobalt");
    CHECK(driver.text(Box::ImperialSpeed) == u"cobalt");
    writeFile(L"C:\\icons\\cobalt.ico", good);
    driver.press('L', {VK_MENU});
    driver.type(u"cobalt");
    CHECK(driver.text(Box::ImperialSpeed).empty());
    const HCURSOR cobalt = cursorOver(driver, label);
    CHECK(cobalt != nullptr);
    CHECK(cobalt != zinc);

    driver.type(u"arrow");
    CHECK(driver.text(Box::ImperialSpeed).empty());
    CHECK(driver.window().mousePointer() == MousePointer::Default);
    CHECK(cursorOver(driver, label) == arrow);

    // In Metric mode the box is locked: no keyword can be typed.
    driver.press('M', {VK_MENU});
    SetFocus(driver.control(u"txtImperialSpeed"));
    driver.pump();
    driver.type(u"zinc");
    CHECK(driver.text(Box::ImperialSpeed).empty());
    CHECK(driver.window().mousePointer() == MousePointer::Default);
}

TEST_CASE("a change of DPI scales the layout and the fonts")
{
    WindowDriver driver;
    HWND window = driver.window().hwnd();
    RECT frame{};
    GetWindowRect(window, &frame);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&frame));
    driver.pump();
    RECT client{};
    GetClientRect(window, &client);
    CHECK(client.right == 791); // 7905 twips at 144 dpi: 790.5 pixels
    CHECK(client.bottom == 378);
    const RECT box = clientRectOf(driver.control(u"txtImperialSpeed"));
    CHECK(box.left == 270);
    CHECK(box.top == 156);
    CHECK(box.bottom - box.top == 42);
    for (auto [kind, height] : {std::pair{FontKind::TextBox, 24}, std::pair{FontKind::Caption, 20},
                                std::pair{FontKind::Title, 27}}) {
        LOGFONTW font{};
        GetObjectW(driver.window().fonts().font(kind), sizeof font, &font);
        CHECK(font.lfHeight == -height);
        CHECK(HFONT(SendMessageW(driver.control(u"Label1"), WM_GETFONT, 0, 0)) ==
              driver.window().fonts().font(FontKind::Title));
    }
    // Back at 96 dpi the reference layout returns.
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(96, 96), LPARAM(&frame));
    driver.pump();
    GetClientRect(window, &client);
    CHECK(client.right == 527);
    CHECK(client.bottom == 252);
}

namespace {

// An EDIT under a bare parent window that passes its EN_CHANGE to a Win32TextBox, as the
// calculator window does, and counts the Change events it raises.
struct EditHarness
{
    EventDispatch dispatch;
    HWND parent = nullptr;
    HWND edit = nullptr;
    std::unique_ptr<Win32TextBox> box;
    std::function<void()> onChange;
    int changes = 0;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self = reinterpret_cast<EditHarness *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && self->box &&
            self->box->takeChange()) {
            ++self->changes;
            if (self->onChange)
                self->dispatch.raise(self->onChange);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    EditHarness()
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"FreefallEditHarness";
        RegisterClassW(&windowClass);
        parent = CreateWindowExW(0, L"FreefallEditHarness", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(parent, GWLP_USERDATA, LONG_PTR(this));
        edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 150,
                               20, parent, HMENU(INT_PTR(100)), GetModuleHandleW(nullptr), nullptr);
        box = std::make_unique<Win32TextBox>(edit, 9, dispatch);
    }
    ~EditHarness() { DestroyWindow(parent); }
};

} // namespace

TEST_CASE("a program write raises Change inside the write, once, and only when the text changes")
{
    EditHarness harness;
    REQUIRE(harness.edit);
    CHECK(SendMessageW(harness.edit, EM_GETLIMITTEXT, 0, 0) == 9);

    bool inWrite = false;
    std::vector<std::u16string> seen;
    harness.onChange = [&] {
        seen.push_back(harness.box->text() + (inWrite ? u" inside" : u" outside"));
    };
    const auto write = [&](std::u16string_view text) {
        inWrite = true;
        harness.box->setText(text);
        inWrite = false;
    };
    write(u"100");
    write(u"100");           // the same text: no event
    write(u"1234567890123"); // cut to nine characters
    write(u"123456789");     // the cut text again: no event
    write(u"");
    CHECK(seen == std::vector<std::u16string>{u"100 inside", u"123456789 inside", u" inside"});
    CHECK(harness.changes == 3);

    // A handler nested in a write may write again; an error it leaves reaches the writer.
    harness.onChange = [&] {
        if (harness.box->text() == u"zinc")
            harness.box->setText(u"");
        else if (harness.box->text() == u"fail")
            throw RuntimeError(RuntimeError::Kind::FileNotFound);
    };
    write(u"zinc");
    CHECK(harness.box->text().empty());
    CHECK_THROWS_AS(write(u"fail"), RuntimeError);
    CHECK(harness.box->text() == u"fail");
}

// Every text of the Win32 window reads against what it is drawn on, measured from the screen's
// pixels: in the scheme the run was given (the standard one, or a high-contrast scheme written
// into the prefix, FREEFALL_TEST_SCHEME), before and after a unit switch and a calculation, and
// after the colours change while the window is open.
#include "tests/support/doctesttext.h"
#include "tests/winwindow/dibcanvas.h"
#include "tests/winwindow/windowdriver.h"

#include "app/design/freefalldesign.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace freefall;
using namespace freefall::testing;

namespace {

// Relative luminance and contrast ratio as WCAG 2 defines them, written out here apart from the
// program's own so that a fault there cannot hide itself.
double linear(unsigned channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Pixels as the screen gives them, 0x00RRGGBB.
double luminance(std::uint32_t rgb)
{
    return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) +
           0.0722 * linear(rgb & 0xFF);
}

double contrast(std::uint32_t a, std::uint32_t b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The pixels of a screen rectangle, row by row.
std::vector<std::uint32_t> grab(const RECT &r)
{
    const int width = r.right - r.left, height = r.bottom - r.top;
    const DibCanvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    std::vector<std::uint32_t> out = canvas.pixels();
    for (std::uint32_t &p : out)
        p &= 0xFFFFFF;
    return out;
}

struct Measured
{
    std::uint32_t background;
    std::uint32_t text;
    double ratio;
    int textPixels;
};

// The background is the region's commonest colour. The text is the commonest of the pixels that
// stand out from it nearly as far as the farthest one: the glyphs' fully covered pixels, not the
// edges that blend towards the background.
Measured measure(const std::vector<std::uint32_t> &pixels)
{
    std::map<std::uint32_t, int> counts;
    for (std::uint32_t p : pixels)
        ++counts[p];
    const auto commonest = [&](auto &&accept) {
        std::uint32_t found = 0;
        int most = 0;
        for (const auto &[colour, count] : counts) {
            if (count > most && accept(colour))
                most = count, found = colour;
        }
        return std::pair{found, most};
    };
    const std::uint32_t background = commonest([](std::uint32_t) { return true; }).first;
    double farthest = 1.0;
    for (const auto &[colour, count] : counts)
        farthest = std::max(farthest, contrast(colour, background));
    const double nearly = 1.0 + (farthest - 1.0) * 0.75;
    const auto [text, count] =
        commonest([&](std::uint32_t c) { return contrast(c, background) >= nearly; });
    return {background, text, contrast(text, background), count};
}

RECT screenRect(HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    return r;
}

RECT clientOnScreen(HWND control)
{
    RECT r{};
    GetClientRect(control, &r);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

// Where a control's text is drawn, and nothing else: inside an edit's border, right of an
// option button's glyph (drawn in the system's colours whatever the caption's), inside a
// button's bevel.
RECT textRegion(WindowDriver &driver, std::u16string_view name)
{
    HWND control = driver.control(name);
    const int dpi = int(GetDpiForWindow(control));
    RECT r = name.starts_with(u"txt") ? clientOnScreen(control) : screenRect(control);
    if (name.starts_with(u"opt"))
        r.left += MulDiv(18, dpi, 96);
    else if (name.starts_with(u"cmd"))
        InflateRect(&r, -MulDiv(4, dpi, 96), -MulDiv(4, dpi, 96));
    else if (name.starts_with(u"txt"))
        InflateRect(&r, -1, -1);
    return r;
}

std::vector<std::u16string_view> textControls()
{
    std::vector<std::u16string_view> names;
    for (const BoxDescription &box : kBoxes)
        names.push_back(box.name);
    for (const auto &table : {design::kCommandButtons, design::kOptionButtons}) {
        for (const design::ButtonDesign &button : table)
            names.push_back(button.name);
    }
    for (const design::LabelDesign &label : design::kLabels)
        names.push_back(label.name);
    return names;
}

// Checks every control that shows text; the caret and a selection are kept out of the picture
// by giving the focus to a button first.
void checkEveryTextReads(WindowDriver &driver, const char *state)
{
    CAPTURE(state);
    SetFocus(driver.control(design::kCommandButtons[0].name));
    RedrawWindow(driver.window().hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    driver.pump();
    const bool imperial = driver.window().imperialMode();
    for (std::u16string_view name : textControls()) {
        HWND control = driver.control(name);
        if (name.starts_with(u"txt") && driver.text(control).empty())
            continue;
        const Measured m = measure(grab(textRegion(driver, name)));
        const bool selectedCaption =
            (name == u"optImperial" && imperial) || (name == u"optMetric" && !imperial);
        CAPTURE(std::string(name.begin(), name.end()));
        CAPTURE(m.background);
        CAPTURE(m.text);
        CHECK(m.textPixels > 3);
        CHECK(m.ratio >= (selectedCaption ? 3.0 : 4.5));
    }
}

std::string testScheme()
{
    char value[64];
    const DWORD length = GetEnvironmentVariableA("FREEFALL_TEST_SCHEME", value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// The system's colours changed for as long as it lives, as Control Panel changes them.
class ChangedColours
{
public:
    ChangedColours(std::initializer_list<std::pair<int, COLORREF>> colours)
    {
        for (const auto &[element, colour] : colours) {
            elements_.push_back(element);
            saved_.push_back(GetSysColor(element));
            wanted_.push_back(colour);
        }
        SetSysColors(int(elements_.size()), elements_.data(), wanted_.data());
    }
    ~ChangedColours() { SetSysColors(int(elements_.size()), elements_.data(), saved_.data()); }
    ChangedColours(const ChangedColours &) = delete;
    ChangedColours &operator=(const ChangedColours &) = delete;

private:
    std::vector<int> elements_;
    std::vector<COLORREF> saved_;
    std::vector<COLORREF> wanted_;
};

} // namespace

TEST_CASE("every text reads in the scheme, before and after a unit switch and a calculation")
{
    // A run in a high-contrast scheme proves nothing unless the scheme took.
    const std::string scheme = testScheme();
    if (scheme == "high-contrast-black") {
        REQUIRE(GetSysColor(COLOR_WINDOW) == RGB(0, 0, 0));
        REQUIRE(GetSysColor(COLOR_BTNTEXT) == RGB(255, 255, 255));
    } else if (scheme == "high-contrast-white") {
        REQUIRE(GetSysColor(COLOR_BTNFACE) == RGB(255, 255, 255));
        REQUIRE(GetSysColor(COLOR_WINDOWTEXT) == RGB(0, 0, 0));
    }
    WindowDriver driver;
    checkEveryTextReads(driver, "at start");
    driver.press('M', {VK_MENU});
    driver.type(u"50");
    checkEveryTextReads(driver, "Metric, the speed typed");
    driver.press(VK_RETURN);
    REQUIRE(!driver.text(Box::StopMillimeters).empty());
    checkEveryTextReads(driver, "Metric 50 calculated");
    driver.press('I', {VK_MENU});
    driver.type(u"100");
    driver.press(VK_RETURN);
    REQUIRE(!driver.text(Box::StopInches).empty());
    checkEveryTextReads(driver, "Imperial 100 calculated, the speed box white by the program");
}

TEST_CASE("colours changed while the window is open are followed")
{
    WindowDriver driver;
    driver.press('M', {VK_MENU});
    driver.type(u"50");
    driver.press(VK_RETURN);
    for (const auto &[name, window, text] :
         {std::tuple{"black", RGB(0, 0, 0), RGB(255, 255, 255)},
          std::tuple{"white", RGB(255, 255, 255), RGB(0, 0, 0)},
          std::tuple{"dark grey", RGB(0x30, 0x30, 0x30), RGB(0xF0, 0xF0, 0xF0)}}) {
        CAPTURE(name);
        const ChangedColours changed{{COLOR_WINDOW, window},
                                     {COLOR_WINDOWTEXT, text},
                                     {COLOR_BTNFACE, window},
                                     {COLOR_BTNTEXT, text}};
        driver.pump();
        checkEveryTextReads(driver, name);
    }
}

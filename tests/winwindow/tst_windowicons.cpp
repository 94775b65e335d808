// The window's icons are the .ico's own images drawn for its DPI, not a larger one shrunk, and
// are loaded again when the DPI changes.
#include "tests/support/winfile.h"
#include "tests/winwindow/dibcanvas.h"
#include "tests/winwindow/windowdriver.h"

#include "runtime/icondirectory.h"

#include <doctest/doctest.h>

#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

using namespace freefall;
using namespace freefall::testing;

namespace {

// An icon drawn on magenta, pixel by pixel.
std::vector<std::uint32_t> pixelsOf(HICON icon, int side)
{
    const DibCanvas canvas(side, side);
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    const RECT all{0, 0, side, side};
    FillRect(canvas.dc(), &all, magenta);
    DeleteObject(magenta);
    DrawIconEx(canvas.dc(), 0, 0, icon, side, side, 0, nullptr, DI_NORMAL);
    return canvas.pixels();
}

int iconSide(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// The image of that side straight from the .ico file, as Windows decodes an icon resource.
HICON icoImage(int side)
{
    const std::vector<std::uint8_t> ico = readFile(L"" FREEFALL_TEST_ICON);
    for (const IconImage &entry : readIconDirectory(ico)) {
        if (entry.width != side)
            continue;
        std::vector<BYTE> image(ico.begin() + std::ptrdiff_t(entry.offset),
                                ico.begin() + std::ptrdiff_t(entry.offset + entry.size));
        return CreateIconFromResourceEx(image.data(), DWORD(image.size()), TRUE, 0x00030000, side,
                                        side, LR_DEFAULTCOLOR);
    }
    return nullptr;
}

} // namespace

TEST_CASE("the window's icons are the .ico's own images for its DPI, reloaded when it changes")
{
    WindowDriver driver;
    HWND window = driver.window().hwnd();
    RECT frame{};
    GetWindowRect(window, &frame);
    // Title bar and taskbar at 100, 150 and 200 percent, and back.
    for (const auto &[dpi, small, big] :
         {std::tuple{144, 24, 48}, std::tuple{192, 32, 64}, std::tuple{96, 16, 32}}) {
        CAPTURE(dpi);
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&frame));
        driver.pump();
        const auto smallIcon = HICON(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
        const auto bigIcon = HICON(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
        REQUIRE(smallIcon);
        REQUIRE(bigIcon);
        CHECK(iconSide(smallIcon) == small);
        CHECK(iconSide(bigIcon) == big);
        for (const auto &[icon, side] : {std::pair{smallIcon, small}, std::pair{bigIcon, big}}) {
            CAPTURE(side);
            HICON expected = icoImage(side);
            REQUIRE(expected);
            CHECK(pixelsOf(icon, side) == pixelsOf(expected, side));
            DestroyIcon(expected);
        }
    }
}

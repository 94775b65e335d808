// The DIB section made compatible with the screen, so BitBlt from it copies without conversion.
#include "tests/winwindow/dibcanvas.h"

#include <stdexcept>

namespace freefall::testing {

DibCanvas::DibCanvas(int width, int height)
    : width_(width), height_(height), screen_(GetDC(nullptr)), memory_(CreateCompatibleDC(screen_))
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (!bitmap_ || !bits_) {
        DeleteDC(memory_);
        ReleaseDC(nullptr, screen_);
        throw std::runtime_error("no DIB section");
    }
    old_ = SelectObject(memory_, bitmap_);
}

DibCanvas::~DibCanvas()
{
    SelectObject(memory_, old_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
    ReleaseDC(nullptr, screen_);
}

std::vector<std::uint32_t> DibCanvas::pixels() const
{
    GdiFlush();
    const auto *p = static_cast<const std::uint32_t *>(bits_);
    return std::vector<std::uint32_t>(p, p + std::size_t(width_) * std::size_t(height_));
}

} // namespace freefall::testing

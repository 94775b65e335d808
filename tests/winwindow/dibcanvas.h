// A 32-bit top-down DIB section selected into a memory DC, for the tests that read back what
// GDI drew: the screen copied in, or an icon drawn on it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace freefall::testing {

class DibCanvas
{
public:
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas &) = delete;
    DibCanvas &operator=(const DibCanvas &) = delete;

    HDC dc() const { return memory_; }
    // Row by row, 0xXXRRGGBB once GDI has finished drawing, the top byte as GDI left it.
    std::vector<std::uint32_t> pixels() const;

private:
    int width_;
    int height_;
    HDC screen_;
    HDC memory_;
    void *bits_ = nullptr;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

} // namespace freefall::testing

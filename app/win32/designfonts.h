// The window's three fonts at one DPI, in the design's family where it has the size.
#pragma once

#include "app/design/freefalldesign.h"
#include "runtime/win32/gdiobject.h"

#include <windows.h>

#include <array>
#include <string>

namespace freefall {

class DesignFonts
{
public:
    // The bitmap "MS Sans Serif" has a few sizes for 96 dpi only; where it lacks the size the
    // display needs, its scalable successor stands in.
    static constexpr wchar_t kStandInFamily[] = L"Microsoft Sans Serif";

    explicit DesignFonts(int dpi);

    HFONT font(design::FontKind kind) const { return fonts_[index(kind)].get(); }
    const std::wstring &family(design::FontKind kind) const { return families_[index(kind)]; }
    // The character height asked for, in pixels.
    int pixelHeight(design::FontKind kind) const { return heights_[index(kind)]; }

private:
    static std::size_t index(design::FontKind kind) { return std::size_t(kind); }

    std::array<UniqueFont, 3> fonts_;
    std::array<std::wstring, 3> families_;
    std::array<int, 3> heights_{};
};

} // namespace freefall

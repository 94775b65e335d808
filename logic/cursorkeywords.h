// The hidden keywords of the feet-per-minute box that change the window's mouse pointer.
#pragma once

#include "runtime/forms.h"

#include <array>
#include <string_view>

namespace freefall {

struct CursorKeyword
{
    std::u16string_view keyword;
    MousePointer pointer;
    std::u16string_view iconFile; // empty: the pointer needs no picture
};

// Compared in this order, against the whole text, exactly and case-sensitively. The paths are
// used as written; where the platform has no drive letters they are plain relative file names.
inline constexpr std::array<CursorKeyword, 4> kCursorKeywords = {{
    {u"zinc", MousePointer::Custom, u"C:\\ICONS\\ZincBasalt.ico"},
    {u"cobalt", MousePointer::Custom, u"C:\\icons\\cobalt.ico"},
    {u"quartz", MousePointer::Custom, u"C:\\ICONS\\quartz.ico"},
    {u"arrow", MousePointer::Default, u""},
}};

} // namespace freefall

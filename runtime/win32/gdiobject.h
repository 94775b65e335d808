// Ownership of GDI objects and icons, released with the call that belongs to each.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace freefall {

struct GdiObjectDeleter
{
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

struct IconDeleter
{
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

} // namespace freefall

// The control and command identifiers of the window; 1 and 2 stay free for the dialog
// manager's IDOK and IDCANCEL.
#pragma once

#include <cstddef>

namespace freefall::controlids {

inline constexpr int kFirstBox = 100;           // + the box's index in Box order
inline constexpr int kFirstCommandButton = 200; // + the index in the design's table
inline constexpr int kFirstOptionButton = 300;
inline constexpr int kFirstLabel = 400;
inline constexpr int kFirstNameLabel = 450; // the boxes' hidden name labels, in Box order
inline constexpr int kStopDisInfo = 500;    // the menu item and its shortcut

constexpr int box(std::size_t index)
{
    return kFirstBox + int(index);
}

} // namespace freefall::controlids

// The control and command identifiers of the window, by which its messages are dispatched;
// 1 and 2 stay free for the dialog manager's IDOK and IDCANCEL.
#pragma once

#include "app/design/freefalldesign.h"
#include "logic/boxes.h"

#include <cstddef>
#include <optional>

namespace freefall::controlids {

// Each kind of control is a run of identifiers from its first, in the order of its table.
struct Run
{
    int first;
    std::size_t count;

    constexpr int id(std::size_t index) const { return first + int(index); }
    // The index of id within the run, if it is one of the run's.
    constexpr std::optional<std::size_t> indexOf(int id) const
    {
        if (id < first || id >= first + int(count))
            return std::nullopt;
        return std::size_t(id - first);
    }
};

inline constexpr Run kBoxes{100, freefall::kBoxes.size()}; // in Box order
inline constexpr Run kCommandButtons{200, design::kCommandButtons.size()};
inline constexpr Run kOptionButtons{300, design::kOptionButtons.size()};
inline constexpr Run kLabels{400, design::kLabels.size()};
inline constexpr Run kNameLabels{450, freefall::kBoxes.size()}; // the boxes' hidden name labels
inline constexpr int kStopDisInfo = 500;                        // the menu item and its shortcut

} // namespace freefall::controlids

// The design's controls in the order of their tab index: the order in which a window creates
// them, and the order Tab follows.
#pragma once

#include "app/design/freefalldesign.h"

#include <array>
#include <cstddef>

namespace freefall::design {

struct ControlSlot
{
    enum class Kind
    {
        TextBox,
        CommandButton,
        OptionButton,
        Label,
    };
    Kind kind;
    std::size_t index; // into the design table of its kind
    int tabIndex;
};

inline constexpr std::size_t kControlCount =
    kTextBoxes.size() + kCommandButtons.size() + kOptionButtons.size() + kLabels.size();

inline constexpr std::array<ControlSlot, kControlCount> kTabOrder = [] {
    std::array<ControlSlot, kControlCount> order{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < kTextBoxes.size(); ++i)
        order[n++] = {ControlSlot::Kind::TextBox, i, kTextBoxes[i].tabIndex};
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i)
        order[n++] = {ControlSlot::Kind::CommandButton, i, kCommandButtons[i].tabIndex};
    for (std::size_t i = 0; i < kOptionButtons.size(); ++i)
        order[n++] = {ControlSlot::Kind::OptionButton, i, kOptionButtons[i].tabIndex};
    for (std::size_t i = 0; i < kLabels.size(); ++i)
        order[n++] = {ControlSlot::Kind::Label, i, kLabels[i].tabIndex};
    // An insertion sort: stable, and constant-evaluated on every standard library.
    for (std::size_t i = 1; i < order.size(); ++i) {
        for (std::size_t j = i; j > 0 && order[j].tabIndex < order[j - 1].tabIndex; --j) {
            const ControlSlot moved = order[j];
            order[j] = order[j - 1];
            order[j - 1] = moved;
        }
    }
    return order;
}();

} // namespace freefall::design

// The option buttons as one group. A button's Click is its becoming the selected one, by mouse,
// access key or arrow key; choosing the selected button again raises nothing, so a stray click
// cannot wipe the typed speed.
#pragma once

#include "app/design/freefalldesign.h"

#include <cstddef>

namespace freefall::design {

class OptionGroup
{
public:
    constexpr OptionGroup()
    {
        for (std::size_t i = 0; i < kOptionButtons.size(); ++i) {
            if (kOptionButtons[i].selectedAtCreation)
                selected_ = i;
        }
    }

    // True when index is newly selected: the window then raises its Click.
    constexpr bool select(std::size_t index)
    {
        if (index == selected_)
            return false;
        selected_ = index;
        return true;
    }
    constexpr std::size_t selected() const { return selected_; }

private:
    std::size_t selected_ = 0;
};

} // namespace freefall::design

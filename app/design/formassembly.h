// A window's forms adapters handed to the handlers, after the design's own look has been set
// through the same properties the handlers change later. Each platform's window makes the
// adapters; the assembly around them is the same everywhere.
#pragma once

#include "app/design/freefalldesign.h"
#include "logic/boxes.h"
#include "logic/freefallhandlers.h"
#include "runtime/forms.h"
#include "runtime/regionalsettings.h"

#include <array>
#include <memory>

namespace freefall::design {

struct FormAdapters
{
    std::array<TextBox *, kBoxes.size()> boxes{};                // in Box order
    std::array<OptionButton *, kOptionButtons.size()> options{}; // in the design's order
    FormServices *services = nullptr;
};

// The handlers of the window, not yet loaded: the window raises Form_Load when it is ready.
std::unique_ptr<FreefallHandlers> assembleHandlers(const FormAdapters &adapters,
                                                   const RegionalSettings &regional);

} // namespace freefall::design

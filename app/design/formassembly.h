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
#include <cstddef>
#include <memory>
#include <tuple>

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

// The same for a window that keeps its adapters in arrays of owning pointers in the design's
// order: makeBox(i) and makeOption(i) make the adapter of the i-th box (in Box order) and option
// button, and the window keeps them for as long as the handlers.
template <typename BoxAdapters, typename OptionAdapters, typename MakeBox, typename MakeOption>
std::unique_ptr<FreefallHandlers>
assembleHandlers(BoxAdapters &boxes, OptionAdapters &options, FormServices &services,
                 const RegionalSettings &regional, MakeBox makeBox, MakeOption makeOption)
{
    static_assert(std::tuple_size_v<BoxAdapters> == kBoxes.size());
    static_assert(std::tuple_size_v<OptionAdapters> == kOptionButtons.size());
    FormAdapters adapters;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = makeBox(i);
        adapters.boxes[i] = boxes[i].get();
    }
    for (std::size_t i = 0; i < options.size(); ++i) {
        options[i] = makeOption(i);
        adapters.options[i] = options[i].get();
    }
    adapters.services = &services;
    return assembleHandlers(adapters, regional);
}

} // namespace freefall::design

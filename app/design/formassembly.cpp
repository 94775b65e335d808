// The design's look of each box, then the handlers over the adapters.
#include "app/design/formassembly.h"

#include <cstddef>

namespace freefall::design {

static_assert(kOptionButtons[0].name == u"optImperial" && kOptionButtons[1].name == u"optMetric",
              "the handlers take the option buttons in this order");

std::unique_ptr<FreefallHandlers> assembleHandlers(const FormAdapters &adapters,
                                                   const RegionalSettings &regional)
{
    for (const TextBoxDesign &design : kTextBoxes) {
        TextBox &box = *adapters.boxes[std::size_t(design.box)];
        const BoxLookProperties look = properties(design.look);
        if (look.yellow)
            box.setBackColor(colours::Yellow);
        box.setLocked(look.locked);
        box.setTabStop(look.tabStop);
    }
    return std::make_unique<FreefallHandlers>(FormControls{adapters.boxes, *adapters.options[0],
                                                           *adapters.options[1],
                                                           *adapters.services},
                                              regional);
}

} // namespace freefall::design

// The calculator window on the page: the forms adapters on the page's elements and the handlers
// that run on them.
#pragma once

#include "app/design/freefalldesign.h"
#include "app/design/optiongroup.h"
#include "logic/boxes.h"
#include "logic/freefallhandlers.h"
#include "runtime/eventdispatch.h"
#include "runtime/fixedregionalsettings.h"
#include "runtime/web/webformservices.h"
#include "runtime/web/weboptionbutton.h"
#include "runtime/web/webtextbox.h"

#include <array>
#include <cstddef>
#include <memory>

namespace freefall::web {

class WebForm
{
public:
    // The page's controls by their design names, with numbers written and read in format.
    explicit WebForm(NumberFormat format);
    WebForm(const WebForm &) = delete;
    WebForm &operator=(const WebForm &) = delete;

    // Form_Load, then the focus in the first control of the tab order.
    void load() noexcept;
    // An event of kPageEvents; any other number is ignored.
    void raise(std::size_t event) noexcept;

private:
    std::unique_ptr<WebTextBox> makeBox(Box which);
    void run(design::Handler handler) noexcept;

    EventDispatch dispatch_;
    FixedRegionalSettings regional_;
    std::array<std::unique_ptr<WebTextBox>, kBoxes.size()> boxes_; // in the order of Box
    std::array<std::unique_ptr<WebOptionButton>, design::kOptionButtons.size()> options_;
    WebFormServices services_;
    design::OptionGroup optionGroup_;
    std::unique_ptr<FreefallHandlers> handlers_;
};

} // namespace freefall::web

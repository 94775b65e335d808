// Makes the window's adapters on the page's elements, hands them to the handlers through the
// shared assembly, and raises each event on its handler through the event dispatch, so that no
// error of a handler reaches the page's script.
#include "app/web/webform.h"

#include "app/design/formassembly.h"
#include "app/web/pageevents.h"
#include "app/web/pagetabindex.h"

namespace freefall::web {

WebForm::WebForm(NumberFormat format) : regional_(std::move(format))
{
    handlers_ = design::assembleHandlers(
        boxes_, options_, services_, regional_,
        [this](std::size_t i) { return makeBox(kBoxes[i].box); },
        [](std::size_t i) {
            return std::make_unique<WebOptionButton>(design::kOptionButtons[i].name);
        });
}

std::unique_ptr<WebTextBox> WebForm::makeBox(Box which)
{
    for (const design::TextBoxDesign &design : design::kTextBoxes) {
        if (design.box != which)
            continue;
        auto box = std::make_unique<WebTextBox>(describe(which).name, pageTabIndex(design.tabIndex),
                                                kBoxMaxLength, dispatch_);
        // A program write raises the Change event nested inside it, as the user's edit does.
        if (design.change)
            box->changed = [this, handler = design.change] { (handlers_.get()->*handler)(); };
        return box;
    }
    return nullptr;
}

void WebForm::load() noexcept
{
    run(&FreefallHandlers::Form_Load);
    boxes_[std::size_t(Box::ImperialSpeed)]->setFocus();
}

void WebForm::raise(std::size_t event) noexcept
{
    if (event >= kPageEvents.size())
        return;
    const PageEvent &raised = kPageEvents[event];
    if (raised.option >= 0 && !optionGroup_.select(std::size_t(raised.option)))
        return;
    run(raised.handler);
}

void WebForm::run(design::Handler handler) noexcept
{
    dispatch_.raise([this, handler] { (handlers_.get()->*handler)(); });
}

} // namespace freefall::web

// Builds the window's adapters from the design tables and raises each event on its handler
// through the event dispatch, so that no error of a handler reaches the page's script.
#include "app/web/webform.h"

#include "app/design/freefalldesign.h"
#include "app/web/pageevents.h"

namespace freefall::web {

WebForm::WebForm(NumberFormat format) : regional_(std::move(format))
{
    for (const design::TextBoxDesign &design : design::kTextBoxes) {
        auto box = std::make_unique<WebTextBox>(describe(design.box).name, design.tabIndex,
                                                kBoxMaxLength, dispatch_);
        // A program write raises the Change event nested inside it, as the user's edit does.
        if (design.change)
            box->changed = [this, handler = design.change] { (handlers_.get()->*handler)(); };
        boxes_[std::size_t(design.box)] = std::move(box);
    }
    for (std::size_t i = 0; i < design::kOptionButtons.size(); ++i)
        options_[i] = std::make_unique<WebOptionButton>(design::kOptionButtons[i].name);

    const auto box = [this](Box which) -> TextBox & { return *boxes_[std::size_t(which)]; };
    handlers_ = std::make_unique<FreefallHandlers>(
        FormControls{box(Box::ImperialSpeed), box(Box::MetricSpeed), box(Box::StopInches),
                     box(Box::StopMillimeters), *options_[0], *options_[1], services_},
        regional_);
}

void WebForm::load() noexcept
{
    run(&FreefallHandlers::Form_Load);
    boxes_[std::size_t(Box::ImperialSpeed)]->setFocus();
}

void WebForm::raise(std::size_t event) noexcept
{
    if (event < kPageEvents.size())
        run(kPageEvents[event].handler);
}

void WebForm::run(design::Handler handler) noexcept
{
    dispatch_.raise([this, handler] { (handlers_.get()->*handler)(); });
}

} // namespace freefall::web

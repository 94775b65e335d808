// The events the page raises on the window's handlers: the element of each control whose event
// the design handles, the DOM event that stands for it, and the handler. The page's markup and
// its program both number the events by this table.
#pragma once

#include "app/design/freefalldesign.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace freefall::web {

struct PageEvent
{
    std::u16string_view control; // the element's id, the control's design name
    std::u16string_view domEvent;
    design::Handler handler;
    int option = -1; // an option button's index in its group, whose rule decides on the Click
};

// A text box's Change is any edit of its text (program writes are raised by its adapter); an
// option button's Click is its becoming the selected one, by mouse, access key or arrow key.
inline constexpr std::u16string_view kChangeEvent = u"input";
inline constexpr std::u16string_view kClickEvent = u"click";
inline constexpr std::u16string_view kSelectEvent = u"change";

constexpr std::size_t countTextBoxEvents()
{
    std::size_t count = 0;
    for (const design::TextBoxDesign &box : design::kTextBoxes)
        count += box.change ? 1 : 0;
    return count;
}

inline constexpr std::size_t kPageEventCount =
    countTextBoxEvents() + design::kCommandButtons.size() + design::kOptionButtons.size() + 1;

inline constexpr std::array<PageEvent, kPageEventCount> kPageEvents = [] {
    std::array<PageEvent, kPageEventCount> events{};
    std::size_t n = 0;
    for (const design::TextBoxDesign &box : design::kTextBoxes) {
        if (box.change)
            events[n++] = {describe(box.box).name, kChangeEvent, box.change};
    }
    for (const design::ButtonDesign &button : design::kCommandButtons)
        events[n++] = {button.name, kClickEvent, button.click};
    for (std::size_t i = 0; i < design::kOptionButtons.size(); ++i) {
        const design::ButtonDesign &option = design::kOptionButtons[i];
        events[n++] = {option.name, kSelectEvent, option.click, int(i)};
    }
    events[n++] = {design::kMenu.itemName, kClickEvent, design::kMenu.click};
    return events;
}();

// The number of the control's event in kPageEvents; kPageEventCount for none.
constexpr std::size_t pageEventOf(std::u16string_view control)
{
    for (std::size_t i = 0; i < kPageEvents.size(); ++i) {
        if (kPageEvents[i].control == control)
            return i;
    }
    return kPageEventCount;
}

} // namespace freefall::web

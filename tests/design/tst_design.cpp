// The window assembly every platform shares: the boxes' look before Form_Load, the tab order,
// twips to pixels at several DPIs and the option group's Click only on a new selection.
#include "app/design/formassembly.h"
#include "app/design/optiongroup.h"
#include "app/design/taborder.h"
#include "app/design/twipsscale.h"
#include "runtime/fixedregionalsettings.h"
#include "tests/support/designfixture.h"
#include "tests/support/doctesttext.h"
#include "tests/support/fakeforms.h"
#include "tests/support/localeformats.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace freefall;
using namespace freefall::design;
using namespace freefall::testing;

namespace {

std::u16string_view nameOf(const ControlSlot &slot)
{
    switch (slot.kind) {
    case ControlSlot::Kind::TextBox:
        return describe(kTextBoxes[slot.index].box).name;
    case ControlSlot::Kind::CommandButton:
        return kCommandButtons[slot.index].name;
    case ControlSlot::Kind::OptionButton:
        return kOptionButtons[slot.index].name;
    case ControlSlot::Kind::Label:
        break;
    }
    return kLabels[slot.index].name;
}

} // namespace

TEST_CASE("the assembled boxes have the design's look, then Form_Load makes metres an output")
{
    FakeControls c;
    auto &[dispatch, log, imperial, metric, inches, millimetres, optImperial, optMetric, services] =
        c;
    const FixedRegionalSettings regional{localeFormat("en_US")};
    const Colour standard = FakeTextBox(Box::ImperialSpeed, dispatch, log).backColor();

    const auto handlers = assembleHandlers(
        {{&imperial, &metric, &inches, &millimetres}, {&optImperial, &optMetric}, &services},
        regional);
    struct Row
    {
        const FakeTextBox &box;
        Colour back;
        bool locked;
        bool tabStop;
    };
    for (const Row &row : {Row{imperial, standard, false, true}, Row{metric, standard, false, true},
                           Row{inches, colours::Yellow, true, false},
                           Row{millimetres, colours::Yellow, true, false}}) {
        CHECK(row.box.backColor() == row.back);
        CHECK(row.box.locked() == row.locked);
        CHECK(row.box.tabStop() == row.tabStop);
    }
    CHECK(log.events.empty());

    handlers->Form_Load();
    CHECK(metric.backColor() == colours::Yellow);
    CHECK(metric.locked());
    CHECK(optImperial.foreColor == colours::Red);
    // The handlers write the boxes the window handed them, in Box order.
    imperial.type(u"100");
    handlers->cmdCalculate_Click();
    CHECK(millimetres.text() == u"13.21");
    CHECK(metric.text() == u"0.51");
}

TEST_CASE("the tab order of the controls that take the focus")
{
    std::vector<std::u16string_view> focusable;
    for (const ControlSlot &slot : kTabOrder) {
        if (slot.kind != ControlSlot::Kind::Label)
            focusable.push_back(nameOf(slot));
    }
    CHECK(focusable ==
          std::vector<std::u16string_view>(kFixtureTabOrder.begin(), kFixtureTabOrder.end()));
    CHECK(kTabOrder.size() == kFixtureControls.size());
    CHECK(nameOf(kTabOrder.back()) == u"Label1");
}

TEST_CASE("every control at its pixels at 96 dpi")
{
    const TwipsScale scale(96);
    for (const ControlSlot &slot : kTabOrder) {
        const std::u16string_view name = nameOf(slot);
        CAPTURE(std::u16string(name));
        const Twips twips =
            slot.kind == ControlSlot::Kind::TextBox         ? kTextBoxes[slot.index].geometry
            : slot.kind == ControlSlot::Kind::CommandButton ? kCommandButtons[slot.index].geometry
            : slot.kind == ControlSlot::Kind::OptionButton  ? kOptionButtons[slot.index].geometry
                                                            : kLabels[slot.index].geometry;
        const auto expected = std::find_if(kFixtureControls.begin(), kFixtureControls.end(),
                                           [&](const FixtureControl &c) { return c.name == name; });
        REQUIRE(expected != kFixtureControls.end());
        const PixelRect r = scale.rect(twips);
        CHECK(r.left == expected->left);
        CHECK(r.top == expected->top);
        CHECK(r.width == expected->width);
        CHECK(r.height == expected->height);
    }
    CHECK(scale.pixels(kWindow.clientWidth) == kFixtureClientWidth);
    CHECK(scale.pixels(kWindow.clientHeight) == kFixtureClientHeight);
}

TEST_CASE("twips to pixels rounds half away from zero at any DPI")
{
    struct Row
    {
        double dpi;
        int twips;
        int pixels;
    };
    for (const Row &row : {Row{96, 1455, 97}, Row{120, 1455, 121}, Row{144, 1455, 146},
                           Row{144, 1445, 145}, Row{192, 1455, 194}, Row{168, 255, 30},
                           Row{144, 7905, 791}, Row{96, 7, 0}, Row{96, 8, 1}}) {
        CAPTURE(row.dpi);
        CAPTURE(row.twips);
        CHECK(TwipsScale(row.dpi).pixels(row.twips) == row.pixels);
    }
    CHECK(TwipsScale(144).fontPixels(9.75) == 20);
    CHECK(TwipsScale(96).fontPixels(13.5) == 18);
}

TEST_CASE("an option button raises its Click only when newly selected")
{
    OptionGroup group;
    CHECK(group.selected() == 0);
    CHECK(!group.select(0));
    CHECK(group.select(1));
    CHECK(!group.select(1));
    CHECK(group.select(0));
    CHECK(group.selected() == 0);
}

TEST_CASE("accessible descriptions are the tooltips without their blanks")
{
    CHECK(accessibleDescription(kTextBoxes[0]) == u"Initial velocity in feet per minute");
    CHECK(accessibleDescription(kLabels[3]) == u"Feet per minute");
    CHECK(accessibleDescription(kLabels[0]) == u"Title of the calculator");
    CHECK(withoutPadding(u"  a b  ") == u"a b");
    CHECK(withoutPadding(u"   ").empty());
}

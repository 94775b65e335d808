// The window's handlers against in-memory controls: unit modes, Clear, stale results,
// Calculate's writes and stops, the formula message and the pointer keywords.
#include "logic/formulamessage.h"
#include "logic/freefallhandlers.h"
#include "runtime/fixedregionalsettings.h"
#include "tests/support/doctesttext.h"
#include "tests/support/fakeforms.h"
#include "tests/support/localeformats.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <stdexcept>

using namespace freefall;
using namespace freefall::testing;

namespace {

using Texts = std::vector<std::u16string>;

struct TestWindow : FakeControls
{
    FixedRegionalSettings regional{localeFormat("en_US")};
    FreefallHandlers form{
        {{&imperial, &metric, &inches, &millimetres}, optImperial, optMetric, services}, regional};

    TestWindow()
    {
        imperial.onChange = [this] { form.txtImperialSpeed_Change(); };
        metric.onChange = [this] { form.txtMetricSpeed_Change(); };
        form.Form_Load();
        imperial.setFocus();
    }

    Texts boxes() const
    {
        return {imperial.text(), metric.text(), inches.text(), millimetres.text()};
    }
    // A user's key presses in a box, each seen as the box's text afterwards.
    void typeAppend(FakeTextBox &box, std::u16string_view keys)
    {
        for (char16_t key : keys)
            box.type(box.text() + key);
    }
};

Texts split(std::u16string_view text, std::u16string_view separator)
{
    Texts out;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        out.emplace_back(text.substr(start, end - start));
        if (end == std::u16string_view::npos)
            return out;
        start = end + separator.size();
    }
}

} // namespace

TEST_CASE("starts in Imperial mode")
{
    TestWindow w;
    CHECK(w.form.imperialMode());
    CHECK(w.optImperial.foreColor == colours::Red);
    CHECK(w.optMetric.foreColor == Colour(0x80000012)); // untouched until a switch
    CHECK(w.metric.backColor() == colours::Yellow);
    CHECK(w.metric.locked());
    CHECK(!w.metric.tabStop());
    CHECK(w.imperial.backColor() == Colour(0x80000005));
    CHECK(!w.imperial.locked());
}

TEST_CASE("calculates")
{
    struct Row
    {
        const char *name;
        bool metricMode;
        std::u16string_view typed;
        Texts boxes; // fpm, mps, in, mm
    };
    const Row rows[] = {
        {"imperial 100", false, u"100", {u"100", u"0.51", u"0.52", u"13.21"}},
        {"imperial 1000", false, u"1000", {u"1000", u"5.08", u"51.76", u"1,314.70"}},
        {"imperial 10000", false, u"10000", {u"10000", u"50.80", u"5,175.98", u"131,469.8"}},
        {"metric 1", true, u"1", {u"196.85", u"1", u"2.01", u"50.94"}},
        {"metric 50", true, u"50", {u"9,842.52", u"50", u"5,014.02", u"127,356.0"}},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        TestWindow w;
        if (row.metricMode)
            w.form.optMetric_Click();
        w.typeAppend(row.metricMode ? w.metric : w.imperial, row.typed);
        w.form.cmdCalculate_Click();
        CHECK(w.boxes() == row.boxes);
    }
}

TEST_CASE("Calculate nests the converted speed's change")
{
    TestWindow w;
    w.typeAppend(w.imperial, u"100");
    w.log.events.clear();
    w.form.cmdCalculate_Click();
    // The write of the converted speed raises its change handler, which leaves everything be
    // in Imperial mode; likewise in Metric mode for the feet-per-minute box.
    CHECK(w.log.events == Texts{u"IN=0.52", u"MM=13.21", u"MPS=0.51"});

    w.form.optMetric_Click();
    w.typeAppend(w.metric, u"1");
    w.log.events.clear();
    w.form.cmdCalculate_Click();
    CHECK(w.log.events == Texts{u"MM=50.94", u"IN=2.01", u"FPM=196.85"});
    CHECK(w.boxes() == Texts{u"196.85", u"1", u"2.01", u"50.94"});
}

TEST_CASE("a speed not above zero clears and focuses")
{
    struct Row
    {
        const char *name;
        bool metricMode;
        std::u16string_view typed;
    };
    const Row rows[] = {
        {"imperial negative", false, u"-5"}, {"imperial zero", false, u"0"},
        {"imperial empty", false, u""},      {"imperial text", false, u"abc"},
        {"metric negative", true, u"-5"},    {"metric zero", true, u"0"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        TestWindow w;
        if (row.metricMode)
            w.form.optMetric_Click();
        FakeTextBox &input = row.metricMode ? w.metric : w.imperial;
        // Results of an earlier calculation stand in the other boxes.
        w.typeAppend(input, u"2");
        w.form.cmdCalculate_Click();
        input.type(row.typed);
        w.inches.setInitialText(u"1.00");
        w.millimetres.setInitialText(u"25.40");
        w.log.focused = nullptr;
        w.form.cmdCalculate_Click();
        CHECK(w.boxes() == Texts{u"", u"", u"", u""});
        CHECK(w.log.focused == &input);
    }
}

TEST_CASE("a stop keeps the writes before it")
{
    struct Row
    {
        const char *name;
        bool metricMode;
        std::u16string_view typed;
        Texts boxes; // fpm, mps, in, mm
    };
    // The boxes hold "old" before Calculate; the box being computed keeps it.
    const Row rows[] = {
        {"square overflows", false, u"1E200", {u"1E200", u"old", u"old", u"old"}},
        {"Val overflows", false, u"1E999", {u"1E999", u"old", u"old", u"old"}},
        {"mm too large after inches", false, u"99999", {u"99999", u"old", u"517,587.9", u"old"}},
        {"metric too large", true, u"1000", {u"old", u"1000", u"old", u"old"}},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        TestWindow w;
        if (row.metricMode)
            w.form.optMetric_Click();
        (row.metricMode ? w.metric : w.imperial).type(row.typed);
        for (FakeTextBox *box : {&w.imperial, &w.metric, &w.inches, &w.millimetres}) {
            if (box->text().empty())
                box->setInitialText(u"old");
        }
        w.form.cmdCalculate_Click();
        CHECK(w.boxes() == row.boxes);
    }
}

TEST_CASE("editing the input wipes stale results")
{
    struct Row
    {
        const char *name;
        bool metricMode;
        Texts boxes;
    };
    const Row rows[] = {
        {"imperial", false, {u"1005", u"", u"", u""}},
        {"metric", true, {u"", u"15", u"", u""}},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        TestWindow w;
        if (row.metricMode)
            w.form.optMetric_Click();
        FakeTextBox &input = row.metricMode ? w.metric : w.imperial;
        w.typeAppend(input, row.metricMode ? u"1" : u"100");
        w.form.cmdCalculate_Click();
        w.typeAppend(input, u"5");
        CHECK(w.boxes() == row.boxes);
    }
}

TEST_CASE("editing without results changes nothing else")
{
    TestWindow w;
    w.metric.setInitialText(u"x");
    w.millimetres.setInitialText(u"y");
    w.typeAppend(w.imperial, u"12");
    CHECK(w.boxes() == Texts{u"12", u"x", u"", u"y"});
}

TEST_CASE("switching mode after a calculation")
{
    TestWindow w;
    w.typeAppend(w.imperial, u"100");
    w.form.cmdCalculate_Click();
    w.form.optMetric_Click();
    CHECK(!w.form.imperialMode());
    CHECK(w.boxes() == Texts{u"", u"", u"", u""});
    CHECK(w.log.focused == &w.metric);
    CHECK(w.metric.backColor() == colours::White);
    CHECK(!w.metric.locked());
    CHECK(w.metric.tabStop());
    CHECK(w.imperial.backColor() == colours::Yellow);
    CHECK(w.imperial.locked());
    CHECK(!w.imperial.tabStop());
    CHECK(w.optImperial.foreColor == colours::Black);
    CHECK(w.optMetric.foreColor == colours::Red);

    w.typeAppend(w.metric, u"1");
    w.form.cmdCalculate_Click();
    w.form.optImperial_Click();
    CHECK(w.form.imperialMode());
    CHECK(w.boxes() == Texts{u"", u"", u"", u""});
    CHECK(w.log.focused == &w.imperial);
    CHECK(w.imperial.backColor() == colours::White);
    CHECK(w.metric.backColor() == colours::Yellow);
    CHECK(w.optImperial.foreColor == colours::Red);
    CHECK(w.optMetric.foreColor == colours::Black);
}

TEST_CASE("Clear with empty boxes only moves the focus")
{
    TestWindow w;
    w.log.focused = nullptr;
    w.log.events.clear();
    w.form.cmdClear_Click();
    CHECK(w.log.events.empty());
    CHECK(w.log.focused == &w.imperial);
}

// The order is visible to the change handlers: emptying the input box first lets its own change
// handler wipe the results nested inside that write.
TEST_CASE("Clear empties the four boxes in their order, in either mode")
{
    for (const bool metric : {false, true}) {
        CAPTURE(metric);
        TestWindow w;
        if (metric)
            w.form.optMetric_Click();
        for (FakeTextBox *box : {&w.imperial, &w.metric, &w.inches, &w.millimetres})
            box->setInitialText(u"1");
        w.log.events.clear();
        w.form.cmdClear_Click();
        CHECK(w.log.events == Texts{u"FPM=", u"MPS=", u"IN=", u"MM="});
        CHECK(w.log.focused == (metric ? &w.metric : &w.imperial));
    }
}

TEST_CASE("shows the formula message")
{
    TestWindow w;
    w.typeAppend(w.imperial, u"100");
    w.form.cmdCalculate_Click();
    w.form.mnuStopDisInfo_Click();
    REQUIRE(w.services.messages.size() == 1);
    const FakeFormServices::Message &message = w.services.messages.front();
    CHECK(message.title == u"Gravity Stopping Distances");
    CHECK(message.buttons == 0);
    const Texts lines = split(message.prompt, u"\r\n");
    REQUIRE(lines.size() == 18);
    CHECK(!message.prompt.ends_with(u'\n'));
    CHECK(std::count(message.prompt.begin(), message.prompt.end(), u'\n') == 17);
    CHECK(std::count(message.prompt.begin(), message.prompt.end(), u'\r') == 17);
    CHECK(lines[0] == u"SECTION 1304 GRAVITY STOPPING DISTANCES");
    CHECK(lines[8] == u"          S = V^2  /  19,320");
    CHECK(lines[12] == u"          S = V^2  /  0.01963");
    CHECK(lines[15] == u"  S = free fall (gravity stopping distance), in. (mm)");
    CHECK(lines[17] == u"  ^ = to the power of");
    for (std::size_t empty : {1, 5, 7, 9, 11, 13}) {
        CAPTURE(empty);
        CHECK(lines[empty].empty());
    }
    CHECK(w.boxes() == Texts{u"100", u"0.51", u"0.52", u"13.21"});
}

TEST_CASE("pointer keywords")
{
    struct Row
    {
        const char *name;
        std::u16string_view typed;
        bool fileValid; // the file exists; whether it holds a picture
        MousePointer pointer;
        std::u16string_view icon;
        std::u16string_view boxAfter;
    };
    const MousePointer custom = MousePointer::Custom;
    const MousePointer standard = MousePointer::Default;
    const Row rows[] = {
        {"zinc", u"zinc", true, custom, u"C:\\ICONS\\ZincBasalt.ico", u""},
        {"cobalt keeps its folder case", u"cobalt", true, custom, u"C:\\icons\\cobalt.ico", u""},
        {"quartz", u"quartz", true, custom, u"C:\\ICONS\\quartz.ico", u""},
        {"arrow", u"arrow", true, standard, u"", u""},
        {"Zinc", u"Zinc", true, standard, u"", u"Zinc"},
        {"leading blank", u" zinc", true, standard, u"", u" zinc"},
        {"zinc1", u"zinc1", true, standard, u"", u"zinc1"},
        {"broken picture", u"zinc", false, custom, u"", u"zinc"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        TestWindow w;
        for (std::u16string path :
             {u"C:\\ICONS\\ZincBasalt.ico", u"C:\\icons\\cobalt.ico", u"C:\\ICONS\\quartz.ico"})
            w.services.files[path] = row.fileValid;
        w.imperial.type(row.typed);
        CHECK(w.services.pointer == row.pointer);
        CHECK(w.services.iconPath() == row.icon);
        CHECK(w.imperial.text() == row.boxAfter);
    }
}

TEST_CASE("a keyword typed letter by letter")
{
    TestWindow w;
    w.services.files[u"C:\\ICONS\\quartz.ico"] = true;
    w.typeAppend(w.imperial, u"quart");
    CHECK(w.services.pointer == MousePointer::Default);
    CHECK(w.imperial.text() == u"quart");
    w.typeAppend(w.imperial, u"z");
    CHECK(w.services.pointer == MousePointer::Custom);
    CHECK(w.imperial.text().empty());
}

TEST_CASE("a keyword after a calculation")
{
    TestWindow w;
    w.services.files[u"C:\\icons\\cobalt.ico"] = true;
    w.typeAppend(w.imperial, u"100");
    w.form.cmdCalculate_Click();
    w.imperial.type(u"cobalt");
    CHECK(w.boxes() == Texts{u"", u"", u"", u""});
    CHECK(w.services.iconPath() == u"C:\\icons\\cobalt.ico");
}

TEST_CASE("arrow after a failed load")
{
    TestWindow w;
    w.services.files[u"C:\\icons\\cobalt.ico"] = true;
    w.imperial.type(u"cobalt");
    w.imperial.type(u"zinc"); // missing: the pointer is custom, the cobalt picture stays
    CHECK(w.services.pointer == MousePointer::Custom);
    CHECK(w.services.iconPath() == u"C:\\icons\\cobalt.ico");
    CHECK(w.imperial.text() == u"zinc");
    w.imperial.type(u"arrow");
    CHECK(w.services.pointer == MousePointer::Default);
    CHECK(w.services.iconPath() == u"C:\\icons\\cobalt.ico");
    CHECK(w.imperial.text().empty());
}

TEST_CASE("no keyword in Metric mode")
{
    TestWindow w;
    w.services.files[u"C:\\ICONS\\ZincBasalt.ico"] = true;
    w.form.optMetric_Click();
    w.imperial.type(u"zinc"); // locked: the user cannot edit it
    CHECK(w.imperial.text().empty());
    CHECK(w.services.pointer == MousePointer::Default);
}

TEST_CASE("a nested error ends the trapped writer")
{
    EventDispatch dispatch;
    FormLog log;
    FakeTextBox box(Box::ImperialSpeed, dispatch, log);
    box.onChange = [] { throw RuntimeError(RuntimeError::Kind::Overflow); };
    bool after = false;
    trapped([&] {
        box.setText(u"1");
        after = true;
    });
    CHECK(box.text() == u"1");
    CHECK(!after);
}

TEST_CASE("an error outside any trap ends only its handler")
{
    EventDispatch dispatch;
    FormLog log;
    FakeTextBox box(Box::ImperialSpeed, dispatch, log);
    int ran = 0;
    box.onChange = [&] {
        ++ran;
        throw std::runtime_error("untrapped");
    };
    box.type(u"1"); // a user's edit: nothing escapes the dispatch
    box.type(u"12");
    CHECK(ran == 2);
    CHECK(box.text() == u"12");
}

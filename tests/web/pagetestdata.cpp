// Writes, as JSON, what the browser tests check the page against: the controls' places, captions
// and access keys and the client size from the design fixture, which the page is not built from;
// tab order, tooltips and accessible texts from the design tables; and the core's calculation
// table. Run with node when the tests are built.
#include "app/design/freefalldesign.h"
#include "logic/boxes.h"
#include "tests/support/calculationcases.h"
#include "tests/support/designfixture.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace freefall;
using namespace freefall::design;

std::string json(std::u16string_view text)
{
    std::string out = "\"";
    for (char16_t c : text) {
        if (c == u'"' || c == u'\\') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(c));
            out += escape;
        }
    }
    return out + "\"";
}

std::string json(std::string_view text)
{
    return json(std::u16string(text.begin(), text.end()));
}

std::string json(int value)
{
    return std::to_string(value);
}

std::string json(bool value)
{
    return value ? "true" : "false";
}

// A caption as shown, and the letter after its "&".
std::u16string shown(std::u16string_view caption)
{
    std::u16string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

std::u16string accessKey(std::u16string_view caption)
{
    const std::size_t at = caption.find(u'&');
    if (at == std::u16string_view::npos || at + 1 >= caption.size())
        return {};
    char16_t key = caption[at + 1];
    if (key >= u'A' && key <= u'Z')
        key = char16_t(key - u'A' + u'a');
    return std::u16string(1, key);
}

struct Fields
{
    std::string text;
    template <typename T> Fields &add(std::string_view name, const T &value)
    {
        text += (text.empty() ? "" : ", ") + json(name) + ": " + json(value);
        return *this;
    }
    // A value that is JSON already.
    Fields &raw(std::string_view name, const std::string &value)
    {
        text += (text.empty() ? "" : ", ") + json(name) + ": " + value;
        return *this;
    }
    std::string object() const { return "{" + text + "}"; }
};

// The fixture's row for a control the tables name; a name the fixture lacks stops the writer, so
// the tests fail rather than check a control against nothing.
const testing::FixtureControl &fixture(std::u16string_view name)
{
    for (const testing::FixtureControl &c : testing::kFixtureControls)
        if (c.name == name)
            return c;
    std::fprintf(stderr, "pagetestdata: %s is not in the design fixture\n", json(name).c_str());
    std::exit(1);
}

Fields control(const testing::FixtureControl &c, std::string_view kind)
{
    Fields f;
    f.add("name", c.name).add("kind", kind);
    f.add("left", c.left).add("top", c.top).add("width", c.width).add("height", c.height);
    return f;
}

std::string join(const std::vector<std::string> &items)
{
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? ",\n  " : "\n  ") + items[i];
    return out + "\n]";
}

std::string controls()
{
    std::vector<std::string> out;
    for (const LabelDesign &d : kLabels) {
        const testing::FixtureControl &c = fixture(d.name);
        Fields f = control(c, "label");
        f.add("tabIndex", d.tabIndex).add("toolTip", d.toolTip).add("caption", c.caption);
        f.add("accessibleName", d.caption).add("accessibleDescription", accessibleDescription(d));
        out.push_back(f.object());
    }
    for (const TextBoxDesign &d : kTextBoxes) {
        Fields f = control(fixture(describe(d.box).name), "textbox");
        const BoxLookProperties look = properties(d.look);
        f.add("tabIndex", d.tabIndex).add("tabStop", look.tabStop).add("locked", look.locked);
        f.add("yellow", look.yellow).add("toolTip", d.toolTip);
        f.add("accessibleName", describe(d.box).role);
        f.add("accessibleDescription", accessibleDescription(d));
        out.push_back(f.object());
    }
    const auto buttons = [&out](const auto &table, std::string_view kind) {
        for (const ButtonDesign &d : table) {
            const testing::FixtureControl &c = fixture(d.name);
            Fields f = control(c, kind);
            f.add("tabIndex", d.tabIndex);
            f.add("toolTip", std::u16string_view());
            f.add("caption", shown(c.caption)).add("accessKey", accessKey(c.caption));
            f.add("accessibleName", d.accessibleName);
            f.add("accessibleDescription", d.accessibleDescription);
            out.push_back(f.object());
        }
    };
    buttons(kCommandButtons, "command");
    buttons(kOptionButtons, "option");
    if (out.size() != testing::kFixtureControls.size()) {
        std::fprintf(stderr, "pagetestdata: the tables hold %zu controls, the fixture %zu\n",
                     out.size(), testing::kFixtureControls.size());
        std::exit(1);
    }
    return join(out);
}

std::string cases()
{
    std::vector<std::string> out;
    const auto add = [&out](const std::vector<testing::CalculationCase> &rows,
                            std::string_view outcome) {
        for (const testing::CalculationCase &row : rows) {
            // Each write as [unit label, text], in order.
            std::string writes;
            for (const std::u16string &write : row.writes) {
                const std::size_t equals = write.find(u'=');
                writes += std::string(writes.empty() ? "" : ", ") + "[" +
                          json(write.substr(0, equals)) + ", " + json(write.substr(equals + 1)) +
                          "]";
            }
            Fields f;
            f.add("name", std::string_view(row.name)).add("locale", row.locale);
            f.add("mode", std::string_view(row.mode == UnitMode::Imperial ? "imperial" : "metric"));
            f.add("imperial", row.imperial).add("metric", row.metric).add("outcome", outcome);
            out.push_back(f.raw("writes", "[" + writes + "]").object());
        }
    };
    add(testing::kShows, "show");
    add(testing::kClears, "clear");
    add(testing::kStops, "stop");
    return join(out);
}

std::string boxes()
{
    Fields f;
    for (const BoxDescription &box : kBoxes)
        f.add(box.unitLabel, box.name);
    return f.object();
}

std::string menu()
{
    Fields f;
    f.add("titleName", kMenu.titleName).add("title", shown(kMenu.title));
    f.add("titleAccessKey", accessKey(kMenu.title)).add("itemName", kMenu.itemName);
    f.add("item", shown(kMenu.item)).add("itemAccessKey", accessKey(kMenu.item));
    f.add("shortcutKey", std::u16string(1, kMenu.shortcutKey));
    return f.object();
}

} // namespace

int main()
{
    Fields window;
    window.add("name", kWindow.name).add("title", kWindow.title);
    window.add("clientWidth", testing::kFixtureClientWidth);
    window.add("clientHeight", testing::kFixtureClientHeight);
    window.add("maxLength", kBoxMaxLength);
    const std::string text = "{\"window\": " + window.object() + ",\n\"menu\": " + menu() +
                             ",\n\"boxes\": " + boxes() + ",\n\"controls\": " + controls() +
                             ",\n\"cases\": " + cases() + "}\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::ferror(stdout) ? 1 : 0;
}

// HTML and CSS of the window, written from the design tables: each control as the element that
// behaves like it, with its caption, access key, tooltip, accessible texts, tab index and the
// event the page raises for it.
#include "app/web/markup/pagemarkup.h"

#include "app/cli/utf8.h"
#include "app/design/freefalldesign.h"
#include "app/design/twipsscale.h"
#include "app/web/pageevents.h"
#include "app/web/pagetabindex.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>
#include <vector>

namespace freefall::web {

namespace {

using namespace design;

// Where the design's family is missing: the common Windows sans serif, then a font metric
// compatible with Arial, then any sans serif.
constexpr char kStandInFamilies[] =
    "\"Microsoft Sans Serif\", Tahoma, \"Liberation Sans\", Arial, Helvetica, sans-serif";

std::string escaped(std::u16string_view text)
{
    std::string out;
    for (char c : toUtf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string attribute(std::string_view name, std::u16string_view value)
{
    return " " + std::string(name) + "=\"" + escaped(value) + "\"";
}

std::string attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

// CSS pixels are the design's pixels at 96 dots per inch; the browser's zoom scales them.
std::string pixels(int twips)
{
    return std::to_string(TwipsScale(kReferenceDpi).pixels(twips)) + "px";
}

// A caption with its "&" turned into the underlined access key ("&&" is a plain "&").
struct Caption
{
    std::string html;
    char accessKey = 0; // lower case; 0 for none
};

Caption caption(std::u16string_view text)
{
    Caption out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size() && text[i + 1] != u'&') {
            const std::u16string_view key = text.substr(i + 1, 1);
            if (key[0] < 0x80)
                out.accessKey = char(std::tolower(int(key[0])));
            out.html += "<u>" + escaped(key) + "</u>";
            ++i;
        } else {
            if (text[i] == u'&')
                ++i;
            out.html += escaped(text.substr(i, 1));
        }
    }
    return out;
}

std::string accessKeyAttributes(const Caption &c, std::string_view modifier)
{
    if (!c.accessKey)
        return {};
    const char upper = char(std::toupper(c.accessKey));
    return attribute("aria-keyshortcuts", std::string(modifier) + "+" + upper) +
           attribute("data-access-key", std::string(1, c.accessKey));
}

std::string eventAttributes(std::u16string_view control)
{
    const std::size_t event = pageEventOf(control);
    if (event == kPageEventCount)
        return {};
    return attribute("data-event", std::to_string(event)) +
           attribute("data-on", kPageEvents[event].domEvent);
}

// A control outside the tab order has -1.
std::string tabIndex(int designIndex, bool tabStop)
{
    return attribute("tabindex", std::to_string(tabStop ? pageTabIndex(designIndex) : -1));
}

std::string colourCss(Colour colour)
{
    return "rgb(" + std::to_string(red(colour)) + "," + std::to_string(green(colour)) + "," +
           std::to_string(blue(colour)) + ")";
}

const char *fontClass(FontKind kind)
{
    switch (kind) {
    case FontKind::TextBox:
        return "font-textbox";
    case FontKind::Caption:
        return "font-caption";
    case FontKind::Title:
        break;
    }
    return "font-title";
}

struct Placed
{
    Twips geometry;
    std::string html;
};

std::string labelHtml(const LabelDesign &d)
{
    // The title is the page's heading; the other labels caption a row or a unit.
    const char *element = d.font == FontKind::Title ? "h1" : "label";
    std::string html = std::string("<") + element + attribute("id", d.name) +
                       attribute("data-name", d.name) + " class=\"label " + fontClass(d.font) +
                       (d.alignment == Alignment::Centre ? " centred" : "") + "\"";
    if (!d.toolTip.empty())
        html += attribute("title", d.toolTip);
    // A label element takes no name from its text, and a tooltip would stand in for it.
    html += attribute("aria-label", d.caption) +
            attribute("aria-description", accessibleDescription(d));
    return html + ">" + escaped(d.caption) + "</" + element + ">";
}

std::string textBoxHtml(const TextBoxDesign &d)
{
    const std::u16string_view name = describe(d.box).name;
    const BoxLookProperties look = properties(d.look);
    std::string html =
        "<input type=\"text\"" + attribute("id", name) + attribute("data-name", name) +
        " class=\"textbox " + fontClass(FontKind::TextBox) + "\"" +
        attribute("maxlength", std::to_string(kBoxMaxLength)) + tabIndex(d.tabIndex, look.tabStop);
    if (look.yellow)
        html += attribute("style", "background-color:" + colourCss(colours::Yellow));
    if (look.locked)
        html += " readonly";
    html += attribute("title", d.toolTip) + attribute("aria-label", describe(d.box).role) +
            attribute("aria-description", accessibleDescription(d)) +
            " autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\"" +
            eventAttributes(name) + " disabled>";
    return html;
}

std::string commandButtonHtml(const ButtonDesign &d)
{
    const Caption c = caption(d.caption);
    return "<button type=\"button\"" + attribute("id", d.name) + attribute("data-name", d.name) +
           " class=\"command " + fontClass(FontKind::Caption) +
           (d.defaultButton ? " default" : "") + "\"" + (d.defaultButton ? " data-default" : "") +
           tabIndex(d.tabIndex, true) + attribute("aria-label", d.accessibleName) +
           attribute("aria-description", d.accessibleDescription) + accessKeyAttributes(c, "Alt") +
           eventAttributes(d.name) + " disabled>" + c.html + "</button>";
}

// The radio input is the control; its label, placed where the design puts the option button,
// shows the caption whose colour marks the mode.
std::string optionButtonHtml(const ButtonDesign &d)
{
    const Caption c = caption(d.caption);
    return "<label class=\"option " + std::string(fontClass(FontKind::Caption)) + "\"" +
           attribute("data-name", d.name) + "><input type=\"radio\" name=\"unitMode\"" +
           attribute("id", d.name) + tabIndex(d.tabIndex, true) +
           (d.selectedAtCreation ? " checked" : "") + attribute("aria-label", d.accessibleName) +
           attribute("aria-description", d.accessibleDescription) + accessKeyAttributes(c, "Alt") +
           eventAttributes(d.name) + " disabled><span>" + c.html + "</span></label>";
}

std::string menuHtml()
{
    const Caption title = caption(kMenu.title);
    const Caption item = caption(kMenu.item);
    const std::string items = toUtf8(kMenu.titleName) + "Items";
    const char key = char(std::tolower(kMenu.shortcutKey));
    return "<div class=\"menubar\" role=\"menubar\"><div class=\"menu\">"
           "<button type=\"button\"" +
           attribute("id", kMenu.titleName) +
           " class=\"menutitle\" role=\"menuitem\" aria-haspopup=\"menu\" aria-expanded=\"false\"" +
           attribute("aria-controls", items) + accessKeyAttributes(title, "Alt") +
           " tabindex=\"-1\" disabled>" + title.html + "</button><div class=\"popup\"" +
           attribute("id", items) + " role=\"menu\"" +
           attribute("aria-labelledby", kMenu.titleName) + " hidden><button type=\"button\"" +
           attribute("id", kMenu.itemName) + " class=\"menuitem\" role=\"menuitem\"" +
           attribute("aria-keyshortcuts", std::string("Control+") + char(std::toupper(key))) +
           attribute("data-access-key", std::string(1, item.accessKey)) +
           attribute("data-shortcut", std::string(1, key)) + eventAttributes(kMenu.itemName) +
           " tabindex=\"-1\" disabled><span>" + item.html + "</span><span class=\"shortcut\">" +
           escaped(kMenu.shortcutText) + "</span></button></div></div></div>";
}

// Rows top to bottom: a control joins the row whose span it starts within, then each row is
// read left to right.
std::vector<Placed> inReadingOrder(std::vector<Placed> controls)
{
    std::stable_sort(controls.begin(), controls.end(), [](const Placed &a, const Placed &b) {
        return a.geometry.top < b.geometry.top;
    });
    std::vector<Placed> ordered;
    std::size_t rowStart = 0;
    int rowBottom = 0;
    for (Placed &control : controls) {
        if (!ordered.empty() && control.geometry.top >= rowBottom) {
            std::stable_sort(
                ordered.begin() + long(rowStart), ordered.end(),
                [](const Placed &a, const Placed &b) { return a.geometry.left < b.geometry.left; });
            rowStart = ordered.size();
        }
        rowBottom = std::max(rowBottom, control.geometry.top + control.geometry.height);
        ordered.push_back(std::move(control));
    }
    std::stable_sort(
        ordered.begin() + long(rowStart), ordered.end(),
        [](const Placed &a, const Placed &b) { return a.geometry.left < b.geometry.left; });
    return ordered;
}

} // namespace

std::string titleMarkup()
{
    return escaped(kWindow.title);
}

std::string styleMarkup()
{
    std::string css = ".window{font-family:\"" + toUtf8(kFontFamily) + "\"," + kStandInFamilies +
                      "}\n.client{width:" + pixels(kWindow.clientWidth) +
                      ";height:" + pixels(kWindow.clientHeight) + "}\n";
    for (FontKind kind : {FontKind::TextBox, FontKind::Caption, FontKind::Title}) {
        const FontDesign font = fontDesign(kind);
        char size[32];
        std::snprintf(size, sizeof size, "%gpt", font.pointSize);
        css += std::string(".") + fontClass(kind) + "{font-size:" + size +
               ";font-weight:" + (font.bold ? "700" : "400") + "}\n";
    }
    const auto place = [&css](std::u16string_view name, const Twips &t) {
        css += "[data-name=\"" + toUtf8(name) + "\"]{left:" + pixels(t.left) +
               ";top:" + pixels(t.top) + ";width:" + pixels(t.width) +
               ";height:" + pixels(t.height) + "}\n";
    };
    for (const LabelDesign &d : kLabels)
        place(d.name, d.geometry);
    for (const TextBoxDesign &d : kTextBoxes)
        place(describe(d.box).name, d.geometry);
    for (const ButtonDesign &d : kCommandButtons)
        place(d.name, d.geometry);
    for (const ButtonDesign &d : kOptionButtons)
        place(d.name, d.geometry);
    return css;
}

std::string windowMarkup()
{
    std::vector<Placed> controls;
    for (const LabelDesign &d : kLabels)
        controls.push_back({d.geometry, labelHtml(d)});
    for (const TextBoxDesign &d : kTextBoxes)
        controls.push_back({d.geometry, textBoxHtml(d)});
    for (const ButtonDesign &d : kCommandButtons)
        controls.push_back({d.geometry, commandButtonHtml(d)});
    for (const ButtonDesign &d : kOptionButtons)
        controls.push_back({d.geometry, optionButtonHtml(d)});

    std::string html = "<main" + attribute("id", kWindow.name) +
                       " class=\"window\" data-mouse-pointer=\"0\">\n" + menuHtml() +
                       "\n<div class=\"client\">\n";
    for (const Placed &control : inReadingOrder(std::move(controls)))
        html += control.html + "\n";
    return html + "</div>\n</main>\n";
}

} // namespace freefall::web

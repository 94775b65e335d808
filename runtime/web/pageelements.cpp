// Each operation is one JavaScript function on the element found by id; its strings are in double
// quotes, which the C++ preprocessor reads as strings. A text comes back in two steps: the script
// keeps it and tells its length, then copies it into memory sized for it.
#include "runtime/web/pageelements.h"

#include <emscripten.h>

// clang-format off
// A control missing from the page reads as empty and ignores writes: nothing thrown in a script
// may unwind through the core.
EM_JS(int, freefall_page_value, (const char16_t *id), {
    var element = document.getElementById(UTF16ToString(id));
    Module["freefallText"] = element ? element.value : "";
    return Module["freefallText"].length;
});

EM_JS(void, freefall_page_take_text, (char16_t *out, int bytes), {
    stringToUTF16(Module["freefallText"], out, bytes);
    Module["freefallText"] = "";
});

EM_JS(void, freefall_page_set_value, (const char16_t *id, const char16_t *text), {
    var element = document.getElementById(UTF16ToString(id));
    if (element)
        element.value = UTF16ToString(text);
});

EM_JS(void, freefall_page_set_back_color, (const char16_t *id, int r, int g, int b), {
    var element = document.getElementById(UTF16ToString(id));
    if (element)
        element.style.backgroundColor = "rgb(" + r + "," + g + "," + b + ")";
});

EM_JS(void, freefall_page_set_read_only, (const char16_t *id, int readOnly), {
    var element = document.getElementById(UTF16ToString(id));
    if (element)
        element.readOnly = readOnly != 0;
});

EM_JS(void, freefall_page_set_tab_index, (const char16_t *id, int tabIndex), {
    var element = document.getElementById(UTF16ToString(id));
    if (element)
        element.tabIndex = tabIndex;
});

EM_JS(void, freefall_page_focus, (const char16_t *id), {
    var element = document.getElementById(UTF16ToString(id));
    if (element)
        element.focus();
});

EM_JS(void, freefall_page_set_caption_colour, (const char16_t *id, int r, int g, int b), {
    var element = document.getElementById(UTF16ToString(id));
    var labels = element ? element.labels : null;
    for (var i = 0; labels && i < labels.length; ++i)
        labels[i].style.color = "rgb(" + r + "," + g + "," + b + ")";
});

EM_JS(void, freefall_page_set_mouse_pointer, (int pointer), {
    if (Module["freefallSetMousePointer"])
        Module["freefallSetMousePointer"](pointer);
});

EM_JS(void, freefall_page_show_message, (const char16_t *title, const char16_t *prompt), {
    if (Module["freefallShowMessage"])
        Module["freefallShowMessage"](UTF16ToString(title), UTF16ToString(prompt));
});

// Without Intl's parts (a browser too old for them) no sample is written, and the core falls
// back to its default format.
EM_JS(int, freefall_page_number_parts, (double first, double second, double third), {
    var typeEnd = String.fromCharCode(0x1f);
    var partEnd = String.fromCharCode(0x1e);
    var sampleEnd = String.fromCharCode(0x1d);
    var options = {minimumFractionDigits: 2, maximumFractionDigits: 2, numberingSystem: "latn"};
    var text = "";
    try {
        var format;
        try {
            format = new Intl.NumberFormat(navigator.language || "en-US", options);
        } catch (e) {
            format = new Intl.NumberFormat("en-US", options);
        }
        [first, second, third].forEach(function(value) {
            format.formatToParts(value).forEach(function(part) {
                text += part.type + typeEnd + part.value + partEnd;
            });
            text += sampleEnd;
        });
    } catch (e) {
        text = "";
    }
    Module["freefallText"] = text;
    return text.length;
});
// clang-format on

namespace freefall::page {

namespace {

// Kept until the script has read it, and ended with the NUL the script looks for.
std::u16string terminated(std::u16string_view text)
{
    return std::u16string(text);
}

std::u16string takeText(int length)
{
    std::u16string text(std::size_t(length) + 1, u'\0');
    freefall_page_take_text(text.data(), int(text.size() * sizeof(char16_t)));
    text.resize(std::size_t(length));
    return text;
}

} // namespace

std::u16string value(std::u16string_view id)
{
    return takeText(freefall_page_value(terminated(id).c_str()));
}

void setValue(std::u16string_view id, std::u16string_view text)
{
    freefall_page_set_value(terminated(id).c_str(), terminated(text).c_str());
}

void setBackColor(std::u16string_view id, Colour colour)
{
    freefall_page_set_back_color(terminated(id).c_str(), red(colour), green(colour), blue(colour));
}

void setReadOnly(std::u16string_view id, bool readOnly)
{
    freefall_page_set_read_only(terminated(id).c_str(), readOnly ? 1 : 0);
}

void setTabIndex(std::u16string_view id, int tabIndex)
{
    freefall_page_set_tab_index(terminated(id).c_str(), tabIndex);
}

void focus(std::u16string_view id)
{
    freefall_page_focus(terminated(id).c_str());
}

void setCaptionColour(std::u16string_view id, Colour colour)
{
    freefall_page_set_caption_colour(terminated(id).c_str(), red(colour), green(colour),
                                     blue(colour));
}

void setMousePointer(MousePointer pointer)
{
    freefall_page_set_mouse_pointer(static_cast<int>(pointer));
}

void showMessage(std::u16string_view title, std::u16string_view prompt)
{
    freefall_page_show_message(terminated(title).c_str(), terminated(prompt).c_str());
}

std::u16string numberParts(double first, double second, double third)
{
    return takeText(freefall_page_number_parts(first, second, third));
}

} // namespace freefall::page

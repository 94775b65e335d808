// Lets doctest show text in its failure messages: UTF-16 as UTF-8, and a C string (a table
// row's name) as its text rather than its address.
#pragma once

#include <doctest/doctest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace freefall::testing {

// A lone surrogate is shown as U+FFFD; the text is only for reading in a report.
inline std::string toUtf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace freefall::testing

namespace doctest {

template <> struct StringMaker<const char *>
{
    static String convert(const char *text) { return text; }
};

template <> struct StringMaker<std::u16string>
{
    static String convert(const std::u16string &text)
    {
        return ("\"" + freefall::testing::toUtf8(text) + "\"").c_str();
    }
};

template <> struct StringMaker<std::u16string_view>
{
    static String convert(std::u16string_view text)
    {
        return ("\"" + freefall::testing::toUtf8(text) + "\"").c_str();
    }
};

template <> struct StringMaker<std::vector<std::u16string>>
{
    static String convert(const std::vector<std::u16string> &texts)
    {
        std::string out = "{";
        for (const std::u16string &text : texts)
            out += (out.size() > 1 ? ", \"" : "\"") + freefall::testing::toUtf8(text) + "\"";
        return (out + "}").c_str();
    }
};

template <typename T> struct StringMaker<std::optional<T>>
{
    static String convert(const std::optional<T> &value)
    {
        return value ? toString(*value) : String("none");
    }
};

} // namespace doctest

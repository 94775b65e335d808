// The number formats of the locales the tests name, as their regional settings describe them:
// the core's tests run on these without a platform, and the Qt tests check them against QLocale.
#pragma once

#include "runtime/numberformat.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace freefall::testing {

struct LocaleFormat
{
    std::string_view name;
    NumberFormat format;
};

inline const std::array<LocaleFormat, 6> kLocaleFormats = {{
    {"en_US", {u".", u",", u"-", 2, 3, 3, 1}},
    {"C", {u".", u",", u"-", 2, 3, 3, 1}},
    {"de_DE", {u",", u".", u"-", 2, 3, 3, 1}},
    {"fr_FR", {u",", u"\u202f", u"-", 2, 3, 3, 1}}, // a narrow no-break space between groups
    {"hi_IN", {u".", u",", u"-", 2, 3, 2, 1}},      // 12,34,567.00
    {"es_ES", {u",", u".", u"-", 2, 3, 3, 2}},      // 1234,50 but 12.345,00
}};

inline const NumberFormat &localeFormat(std::string_view name)
{
    for (const LocaleFormat &locale : kLocaleFormats) {
        if (locale.name == name)
            return locale.format;
    }
    throw std::out_of_range("no number format described for locale " + std::string(name));
}

} // namespace freefall::testing

// The number settings of the user's Windows locale, as Control Panel keeps them, and how much of
// them the program's own number text can describe.
#pragma once

#include "runtime/numberformat.h"

#include <optional>
#include <string>

namespace freefall {

struct LocaleNumberSettings
{
    std::u16string decimalSeparator = u"."; // LOCALE_SDECIMAL
    std::u16string groupSeparator = u",";   // LOCALE_STHOUSAND
    std::u16string grouping = u"3;0";   // LOCALE_SGROUPING: "3;0" threes, "3;2;0" India's, "0" none
    std::u16string negativeSign = u"-"; // LOCALE_SNEGATIVESIGN
    int negativeOrder = 1;   // LOCALE_INEGNUMBER: 0 (1.1), 1 -1.1, 2 - 1.1, 3 1.1-, 4 1.1 -
    bool leadingZero = true; // LOCALE_ILZERO
    int decimals = 2;        // LOCALE_IDIGITS
};

// The settings of the user's locale, with the user's own changes to them.
LocaleNumberSettings userLocaleNumberSettings();

// The same settings as a number format that NumberText writes and reads, when they fit one: a
// minus sign in front, and no grouping, one group next to the decimal separator, or groups of
// one size or of one size next to the decimal separator and another before it, repeated. None
// otherwise; the platform then writes and reads every number itself.
std::optional<NumberFormat> describedFormat(const LocaleNumberSettings &settings);

} // namespace freefall

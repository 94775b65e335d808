// What the regional settings tell about writing a number: separators, group sizes, the minus
// sign and the count of decimals. The digits are ASCII; a locale with digits of its own is left
// to its platform's formatting.
#pragma once

#include <string>

namespace freefall {

struct NumberFormat
{
    std::u16string decimalSeparator = u".";
    std::u16string groupSeparator = u",";
    std::u16string minusSign = u"-";
    int decimals = 2;       // digits after the decimal separator
    int leastGroup = 3;     // digits in the group next to the decimal separator
    int higherGroups = 3;   // digits in each group before it (2 in India's grouping)
    int leadingAtLeast = 1; // a shorter leading group joins the next ("1234,50" in es_ES)
    int groupedFrom = 0;    // fewer whole-number digits are not grouped at all: 5 where a
                            // browser writes "1234,50" but "1.234.567,50"
};

} // namespace freefall

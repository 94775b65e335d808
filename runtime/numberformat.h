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
    int decimals = 2; // digits after the decimal separator
    // Digits in the group next to the decimal separator; 0: no grouping at all.
    int leastGroup = 3;
    // Digits in each group before it (2 in India's grouping); 0: the digits before the least
    // group stay together ("1234567,890").
    int higherGroups = 3;
    int leadingAtLeast = 1;  // a shorter leading group joins the next ("1234,50" in es_ES)
    int groupedFrom = 0;     // fewer whole-number digits are not grouped at all: 5 where a
                             // browser writes "1234,50" but "1.234.567,50"
    bool leadingZero = true; // "0.52"; without it ".52"
};

} // namespace freefall

// Rounding as a box shows a number: the program's own rule, whatever formats the text.
#pragma once

#include <optional>

namespace freefall {

// A value as it is shown with a given count of decimals: scaled is the value times
// 10^decimals, rounded.
struct ShownNumber
{
    long long scaled = 0;
    bool negative = false;
};

// Doubles hold 15 significant decimal digits reliably; rounding works on those.
inline constexpr int kSignificantDigits = 15;

// The value rounded to the decimal it stands for: first to 15 significant digits, then half
// away from zero to the count of decimals. So 233289 / 19320, which is exactly 12.075 but
// lands on the double just below it, shows as 12.08. None for a value that is not finite, or
// so large that nothing below the last decimal survives the 15 digits.
std::optional<ShownNumber> roundAsShown(double value, int decimals);

// The double nearest to the shown number; a value roundAsShown cannot round is returned as it
// is.
double roundedAsShown(double value, int decimals);

} // namespace freefall

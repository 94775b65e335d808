// The rounding rule shared by every platform's FormatNumber.
#include "runtime/shownnumber.h"

#include "runtime/doublechars.h"

#include <charconv>
#include <cmath>

namespace freefall {

std::optional<ShownNumber> roundAsShown(double value, int decimals)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // [-]d.dddddddddddddde[+-]xx
    char buffer[32];
    const char *end = doubleToChars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    const char *p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[kSignificantDigits];
    int count = 0;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits[count++] = *p;
    }
    ++p;
    if (*p == '+')
        ++p;
    int exponent = 0;
    std::from_chars(p, end, exponent);

    // Digits that stand before the rounding place: the whole-number digits and the decimals.
    const int kept = exponent + 1 + decimals;
    if (kept >= kSignificantDigits)
        return std::nullopt;
    ShownNumber shown;
    if (kept < 0)
        return shown;
    for (int i = 0; i < kept; ++i)
        shown.scaled = shown.scaled * 10 + (digits[i] - '0');
    if (digits[kept] >= '5')
        ++shown.scaled;
    // A value that rounds to zero shows no sign.
    shown.negative = negative && shown.scaled != 0;
    return shown;
}

namespace {

// Exact for every count of decimals a locale can ask for: powers of ten up to 10^22 are doubles.
double powerOfTen(int exponent)
{
    double power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

} // namespace

double roundedAsShown(double value, int decimals)
{
    const std::optional<ShownNumber> shown = roundAsShown(value, decimals);
    if (!shown)
        return value;
    // Both operands are exact, so the quotient is the double nearest the shown decimal.
    const double magnitude = static_cast<double>(shown->scaled) / powerOfTen(decimals);
    return shown->negative ? -magnitude : magnitude;
}

} // namespace freefall

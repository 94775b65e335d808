// The number format of the user's regional settings, as each platform provides it:
// FormatNumber at its defaults and the regional conversion of text back to a number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace freefall {

class RegionalSettings
{
public:
    virtual ~RegionalSettings() = default;

    // The count of decimals FormatNumber shows.
    virtual int decimals() const = 0;
    virtual std::u16string_view decimalSeparator() const = 0;

    // The value rounded as shown (shownnumber.h) to the count of decimals, with the regional
    // decimal and group separators, grouping, leading zero and negative form.
    virtual std::u16string FormatNumber(double value) const = 0;

    // The regional conversion: the inverse of FormatNumber, which also takes any shortening of
    // its text to fewer decimals. Throws RuntimeError(TypeMismatch) for text that is not a
    // finite number.
    virtual double toDouble(std::u16string_view text) const = 0;
};

// The regional conversion with a refusal as no value, for comparing two conversions.
std::optional<double> readOrRefuse(const RegionalSettings &regional, std::u16string_view text);

} // namespace freefall

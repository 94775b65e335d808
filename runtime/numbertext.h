// A number's text written and read by the description of a number format alone, with no help
// from the platform: the quick path where the platform's own text has been seen to agree.
#pragma once

#include "runtime/numberformat.h"

#include <optional>
#include <string>
#include <string_view>

namespace freefall {

class RegionalSettings;

class NumberText
{
public:
    // Separators longer than this, or a longer minus sign, are left to the platform.
    static constexpr std::size_t kMaxSeparatorLength = 2;
    static constexpr std::size_t kMaxMinusLength = 4;

    // Whether the format can be written and read here: ASCII digits assumed, a non-empty
    // decimal separator and (where digits are grouped) a distinct group separator, both of
    // limited length, group sizes not negative, at most nine decimals.
    static bool canDescribe(const NumberFormat &format);

    // format must satisfy canDescribe.
    explicit NumberText(NumberFormat format);

    // The value rounded as shown, with the format's separators, grouping and minus sign. None
    // when rounding cannot tell the last decimal (beyond 15 significant digits).
    std::optional<std::u16string> format(double value) const;

    // Exactly the text format writes, or that text with fewer decimals (as a box that cuts it
    // shows it): a minus sign, the whole-number digits in the format's groups (none before the
    // decimals of a value below 1 without a leading zero), then the decimal separator and at
    // least one decimal. None for any other text.
    std::optional<double> read(std::u16string_view text) const;

    // Whether the platform writes this same text for numbers of every length a box can hold and
    // beyond, both signs and a carry, and reads each shortening of it to the same value.
    bool agreesWith(const RegionalSettings &platform) const;

    // Appends whole-number digits with a group separator before each group.
    void appendGrouped(std::u16string &out, const char *digits, int count) const;

    const NumberFormat &numberFormat() const { return format_; }

private:
    // Whether a group separator stands after the digit at index of count whole-number digits.
    bool separatorFollows(int index, int count) const;
    bool isGrouped(std::u16string_view whole, const char *digits, int count) const;

    NumberFormat format_;
};

} // namespace freefall

// The number format of a browser's language, read from the parts Intl.NumberFormat writes for a
// few sample numbers: separators, minus sign and grouping, for the core to write and read by.
#pragma once

#include "runtime/numberformat.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace freefall {

// One part of formatToParts: its type as Intl names it ("integer", "group", "decimal",
// "fraction", "minusSign", "literal", ...) and its text.
struct NumberPart
{
    std::u16string type;
    std::u16string value;
};
using NumberParts = std::vector<NumberPart>;

// The numbers the page formats, with two decimals and Latin digits, in this order: a negative
// number with three groups, and the shortest whole numbers that a locale may leave ungrouped.
inline constexpr std::array<double, 3> kIntlSamples = {-1234567.5, 1234.5, 12345.5};

// The parts as the page's script hands them over: each part is its type, U+001F, its value and
// U+001E; each sample's parts end with U+001D.
std::vector<NumberParts> parseNumberParts(std::u16string_view text);

// The format that writes the samples as Intl did, with two decimals; none when the parts show
// something it cannot describe (other digits, a sign after the number, no grouping).
std::optional<NumberFormat> numberFormatFromParts(const std::vector<NumberParts> &samples);

// The format of the page's regional settings: the one the parts describe, or the one of the
// United States where they describe none.
NumberFormat intlNumberFormat(std::u16string_view partsText);

} // namespace freefall

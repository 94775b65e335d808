// The number round trip a box makes, over every value Val can produce, negatives included.
#include "fuzz/readbackproperties.h"

#include "fuzz/boxtext.h"
#include "fuzz/require.h"
#include "logic/calculation.h"
#include "runtime/runtimeerror.h"
#include "runtime/val.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace freefall::fuzz {

namespace {

// Any locale's whole-number part of a value below a million, sign and separators included,
// takes at most nine characters; one of a billion or more takes ten digits alone.
constexpr double kAlwaysFits = 999999.0;
constexpr double kNeverFits = 1e9;

} // namespace

void checkReadBack(std::u16string_view typed, const RegionalSettings &regional)
{
    try {
        (void)regional.toDouble(typed);
    } catch (const RuntimeError &error) {
        require(error.kind() == RuntimeError::Kind::TypeMismatch,
                "the read-back throws other than a type mismatch", typed);
    }

    double value = 0;
    try {
        value = Val(typed);
    } catch (const RuntimeError &) {
        return; // Val's overflow is checked with Val
    }
    const std::u16string formatted = regional.FormatNumber(value);
    std::u16string shown;
    try {
        shown = fitToBox(formatted, regional);
    } catch (const RuntimeError &error) {
        require(error.kind() == RuntimeError::Kind::TooLargeForBox,
                "the fit to a box throws other than too large", typed);
        require(std::fabs(value) >= kAlwaysFits, "a value that fits its box is refused", typed);
        return;
    }
    require(std::fabs(value) < kNeverFits, "a value too large for its box is cut", typed);
    checkBoxText(shown, regional, typed);
    require(showsTruthfully(shown, value, regional), "a fitted text misstates its value", typed);
}

void checkDirectPath(std::u16string_view typed, const RegionalSettings &regional,
                     const RegionalSettings &reference)
{
    require(readOrRefuse(regional, typed) == readOrRefuse(reference, typed),
            "the direct read-back differs from QLocale's", typed);
    double value = 0;
    try {
        value = Val(typed);
    } catch (const RuntimeError &) {
        return;
    }
    const std::u16string formatted = regional.FormatNumber(value);
    require(formatted == reference.FormatNumber(value), "the direct text differs from QLocale's",
            typed);
    // A box cut drops at most the two decimals and the separator (longer shortenings are the
    // unit tests' and the input's own read-back's).
    const std::size_t shortest = formatted.size() > 4 ? formatted.size() - 3 : 1;
    for (std::size_t length = formatted.size(); length >= shortest; --length) {
        const std::u16string_view cut = std::u16string_view(formatted).substr(0, length);
        require(readOrRefuse(regional, cut) == readOrRefuse(reference, cut),
                "a shortened direct text reads back unlike QLocale's", typed);
    }
}

} // namespace freefall::fuzz

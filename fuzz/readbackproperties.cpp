// The number round trip a box makes, over every value Val can produce, negatives included.
#include "readbackproperties.h"

#include "boxtext.h"
#include "calculation.h"
#include "require.h"
#include "runtimeerror.h"
#include "val.h"

#include <cmath>

namespace freefall::fuzz {

namespace {

// Any locale's whole-number part of a value below a million, sign and separators included,
// takes at most nine characters; one of a billion or more takes ten digits alone.
constexpr double kAlwaysFits = 999999.0;
constexpr double kNeverFits = 1e9;

} // namespace

void checkReadBack(const QString &typed, const RegionalSettings &regional)
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
    const QString formatted = regional.FormatNumber(value);
    QString shown;
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

} // namespace freefall::fuzz

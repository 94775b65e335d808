// One TEXT as the command line takes it: typed into the input box of a freshly opened window,
// then Calculate. Shared by the single-speed and the batch form, so that a line of a table and
// a single run print the same figures for the same text.
#pragma once

#include "logic/calculation.h"
#include "runtime/regionalsettings.h"

#include <optional>
#include <string_view>

namespace freefall {

// Why a TEXT gives no result: the exit status it has alone, and the reason. For ExitFault the
// reason says why the calculation stopped; otherwise it follows the text's name ("the speed
// must be a number greater than zero").
struct Refusal
{
    int status;
    const char *reason;
};

// The reason given for a speed with more characters than a box holds.
const char *tooLongForBox();

class TypedCalculation
{
public:
    // typed is the text as it would stand in the box; it must outlive this object.
    TypedCalculation(UnitMode mode, std::u16string_view typed, const RegionalSettings &regional);

    // None when there is a result.
    const std::optional<Refusal> &refusal() const { return refusal_; }

    // The text the box holds after Calculate; only when there is a result.
    std::u16string_view text(Box box) const;

private:
    UnitMode mode_;
    std::u16string_view typed_;
    Verdict verdict_;
    std::optional<Refusal> refusal_;
};

} // namespace freefall

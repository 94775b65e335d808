// Text a box could not hold is refused before the calculation, as the window would never have
// it; a text that Calculate clears or stops on is refused after it.
#include "app/cli/typedcalculation.h"

#include "app/cli/commandline.h"
#include "app/cli/typedtext.h"
#include "logic/boxes.h"

#include <string>

namespace freefall {

const char *tooLongForBox()
{
    static const std::string reason =
        "is longer than the box's " + std::to_string(kBoxMaxLength) + " characters";
    return reason.c_str();
}

namespace {

Box inputBox(UnitMode mode)
{
    return mode == UnitMode::Imperial ? Box::ImperialSpeed : Box::MetricSpeed;
}

} // namespace

TypedCalculation::TypedCalculation(UnitMode mode, std::u16string_view typed,
                                   const RegionalSettings &regional)
    : mode_(mode), typed_(typed)
{
    if (const char *problem = typedTextProblem(typed)) {
        refusal_ = Refusal{ExitUsage, problem};
        return;
    }
    if (typed.size() > std::size_t(kBoxMaxLength)) {
        refusal_ = Refusal{ExitUsage, tooLongForBox()};
        return;
    }
    // In a fresh window the other speed box is empty.
    const bool imperial = mode == UnitMode::Imperial;
    verdict_ = calculate(mode, imperial ? typed : std::u16string_view(),
                         imperial ? std::u16string_view() : typed, regional);
    switch (verdict_.outcome) {
    case Verdict::Outcome::Clear:
        refusal_ = Refusal{ExitNotPositive, "must be a number greater than zero"};
        break;
    case Verdict::Outcome::Stop:
        refusal_ = Refusal{ExitFault, RuntimeError(verdict_.fault).what()};
        break;
    case Verdict::Outcome::Show:
        break;
    }
}

std::u16string_view TypedCalculation::text(Box box) const
{
    if (box == inputBox(mode_))
        return typed_;
    for (const BoxWrite &write : verdict_.writes) {
        if (write.box == box)
            return write.text;
    }
    return {};
}

} // namespace freefall

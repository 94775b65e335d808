// Calculate checked step by step from the verdict it returns: the writes are compared with
// what each step should have produced, and a stop with the step that could not.
#include "fuzz/calculationproperties.h"

#include "fuzz/boxtext.h"
#include "fuzz/require.h"
#include "runtime/runtimeerror.h"
#include "runtime/val.h"

#include <array>
#include <cmath>
#include <optional>

namespace freefall::fuzz {

namespace {

// The three steps of one mode: the boxes in the order they are written and the factors.
struct ModeSteps
{
    std::array<Box, 3> order;
    double divisor;        // first distance = speed^2 / divisor
    double distanceFactor; // second distance = first distance as shown x distanceFactor
    double speedFactor;    // converted speed = typed speed x speedFactor
};

ModeSteps stepsOf(UnitMode mode)
{
    using namespace constants;
    if (mode == UnitMode::Imperial)
        return {{Box::StopInches, Box::StopMillimeters, Box::MetricSpeed},
                ImperialDivisor,
                InchesToMillimetres,
                FpmToMps};
    return {{Box::StopMillimeters, Box::StopInches, Box::ImperialSpeed},
            MetricDivisor,
            MillimetresToInches,
            MpsToFpm};
}

std::optional<double> valOrOverflow(std::u16string_view text)
{
    try {
        return Val(text);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

// Whether a step's value cannot be shown: not finite, or its whole-number part too long.
bool cannotBeShown(double value, const RegionalSettings &regional)
{
    if (!std::isfinite(value))
        return true;
    try {
        (void)fitToBox(regional.FormatNumber(value), regional);
        return false;
    } catch (const RuntimeError &) {
        return true;
    }
}

} // namespace

void checkCalculation(const FuzzCase &fuzzCase)
{
    const RegionalSettings &regional = *fuzzCase.regional;
    const std::u16string &input = fuzzCase.text;
    const Verdict verdict =
        calculate(fuzzCase.mode, fuzzCase.imperialBox(), fuzzCase.metricBox(), regional);

    const ModeSteps steps = stepsOf(fuzzCase.mode);
    const BoxWrites &writes = verdict.writes;
    std::array<double, 3> shown{};
    for (std::size_t i = 0; i < writes.size(); ++i) {
        require(writes[i].box == steps.order[i], "a box is written out of order", input);
        shown[i] = checkBoxText(writes[i].text, regional, input);
    }

    // Both speed boxes are read first, whatever the mode.
    const std::optional<double> imperial = valOrOverflow(fuzzCase.imperialBox());
    const std::optional<double> metric = valOrOverflow(fuzzCase.metricBox());
    if (!imperial || !metric) {
        require(verdict.outcome == Verdict::Outcome::Stop && writes.empty() &&
                    verdict.fault == RuntimeError::Kind::Overflow,
                "a speed box whose Val overflows does not stop the calculation", input);
        return;
    }
    const double speed = fuzzCase.mode == UnitMode::Imperial ? *imperial : *metric;
    if (!(speed > 0)) {
        require(verdict.outcome == Verdict::Outcome::Clear && writes.empty(),
                "a speed not greater than zero is not cleared", input);
        return;
    }
    require(verdict.outcome != Verdict::Outcome::Clear, "a positive speed is cleared", input);

    const std::array<double, 3> values{
        std::pow(speed, constants::Exponent) / steps.divisor,
        shown[0] * steps.distanceFactor, // meaningful once the first distance is written
        speed * steps.speedFactor,
    };
    if (writes.size() > 0)
        require(showsTruthfully(writes[0].text, values[0], regional),
                "the first distance misstates speed^2 / divisor", input);
    if (writes.size() > 1)
        require(writes[1].text == fitToBox(regional.FormatNumber(values[1]), regional),
                "the second distance is not the first one's read-back times the factor", input);
    if (writes.size() > 2)
        require(showsTruthfully(writes[2].text, values[2], regional),
                "the converted speed misstates speed x factor", input);

    if (verdict.outcome == Verdict::Outcome::Show) {
        require(writes.size() == 3, "a shown result has fewer than three writes", input);
        return;
    }
    require(writes.size() < 3, "a stop after the last write", input);
    require(verdict.fault == RuntimeError::Kind::Overflow ||
                verdict.fault == RuntimeError::Kind::TooLargeForBox,
            "a stop on a fault other than overflow or too large (a text failed to read back)",
            input);
    require(cannotBeShown(values[writes.size()], regional),
            "a stop on a value that could have been shown", input);
}

} // namespace freefall::fuzz

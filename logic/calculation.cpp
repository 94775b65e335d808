// The arithmetic of Calculate, in the order the handler reads and writes the boxes.
#include "logic/calculation.h"

#include "runtime/val.h"

#include <cmath>

namespace freefall {

namespace {

// A result that is not finite is the run-time error of an overflowing or invalid operation;
// testing the value is reliable where the floating-point status flags are not.
double checked(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return value;
}

class Calculation
{
public:
    explicit Calculation(const RegionalSettings &regional) : regional_(regional) {}

    // Formats a result for its box and records the write.
    // The text as shown, kept in the verdict.
    const std::u16string &show(Box box, double value)
    {
        return verdict_.writes.push(box, fitToBox(regional_.FormatNumber(value), regional_)).text;
    }

    double readBack(std::u16string_view shown) const { return regional_.toDouble(shown); }

    Verdict &verdict() { return verdict_; }

private:
    const RegionalSettings &regional_;
    Verdict verdict_;
};

// v is Val of the speed box; Val has no side effects, so it is read once for both uses.
void calculateImperial(Calculation &calc, double v)
{
    using namespace constants;
    const std::u16string &inches =
        calc.show(Box::StopInches, checked(checked(std::pow(v, Exponent)) / ImperialDivisor));
    calc.show(Box::StopMillimeters, checked(calc.readBack(inches) * InchesToMillimetres));
    calc.show(Box::MetricSpeed, checked(v * FpmToMps));
}

void calculateMetric(Calculation &calc, double v)
{
    using namespace constants;
    const std::u16string &mm =
        calc.show(Box::StopMillimeters, checked(checked(std::pow(v, Exponent)) / MetricDivisor));
    calc.show(Box::StopInches, checked(calc.readBack(mm) * MillimetresToInches));
    calc.show(Box::ImperialSpeed, checked(v * MpsToFpm));
}

} // namespace

Verdict calculate(UnitMode mode, std::u16string_view imperialSpeed, std::u16string_view metricSpeed,
                  const RegionalSettings &regional)
{
    Calculation calc(regional);
    Verdict &verdict = calc.verdict();
    try {
        // Both speeds are read whatever the mode.
        const double imperial = Val(imperialSpeed);
        const double metric = Val(metricSpeed);
        const bool imperialMode = mode == UnitMode::Imperial;
        if (!((imperialMode ? imperial : metric) > 0)) {
            verdict.outcome = Verdict::Outcome::Clear;
            return verdict;
        }
        if (imperialMode)
            calculateImperial(calc, imperial);
        else
            calculateMetric(calc, metric);
        verdict.outcome = Verdict::Outcome::Show;
    } catch (const RuntimeError &error) {
        verdict.outcome = Verdict::Outcome::Stop;
        verdict.fault = error.kind();
    }
    return verdict;
}

std::u16string fitToBox(std::u16string formatted, const RegionalSettings &regional)
{
    constexpr std::size_t limit = kBoxMaxLength;
    if (formatted.size() <= limit)
        return formatted;
    const std::u16string_view separator = regional.decimalSeparator();
    const std::size_t point = separator.empty() ? std::u16string::npos : formatted.find(separator);
    const std::size_t wholeLength = point == std::u16string::npos ? formatted.size() : point;
    if (wholeLength > limit)
        throw RuntimeError(RuntimeError::Kind::TooLargeForBox);
    // A cut through or just after the decimal separator leaves the whole number alone.
    formatted.resize(limit < point + separator.size() + 1 ? point : limit);
    return formatted;
}

} // namespace freefall

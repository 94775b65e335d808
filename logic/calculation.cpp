// The arithmetic of Calculate, in the order the handler reads and writes the boxes.
#include "calculation.h"

#include "val.h"

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
    QString show(Box box, double value)
    {
        QString text = fitToBox(regional_.FormatNumber(value), regional_);
        verdict_.writes[static_cast<std::size_t>(verdict_.writeCount++)] = {box, text};
        return text;
    }

    double readBack(const QString &shown) const { return regional_.toDouble(shown); }

    Verdict &verdict() { return verdict_; }

private:
    const RegionalSettings &regional_;
    Verdict verdict_;
};

// v is Val of the speed box; Val has no side effects, so it is read once for both uses.
void calculateImperial(Calculation &calc, double v)
{
    using namespace constants;
    const QString inches =
        calc.show(Box::StopInches, checked(checked(std::pow(v, Exponent)) / ImperialDivisor));
    calc.show(Box::StopMillimeters, checked(calc.readBack(inches) * InchesToMillimetres));
    calc.show(Box::MetricSpeed, checked(v * FpmToMps));
}

void calculateMetric(Calculation &calc, double v)
{
    using namespace constants;
    const QString mm =
        calc.show(Box::StopMillimeters, checked(checked(std::pow(v, Exponent)) / MetricDivisor));
    calc.show(Box::StopInches, checked(calc.readBack(mm) * MillimetresToInches));
    calc.show(Box::ImperialSpeed, checked(v * MpsToFpm));
}

} // namespace

Verdict calculate(UnitMode mode, QStringView imperialSpeed, QStringView metricSpeed,
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

QString fitToBox(const QString &formatted, const RegionalSettings &regional)
{
    if (formatted.size() <= kBoxMaxLength)
        return formatted;
    const QString separator = regional.decimalSeparator();
    const qsizetype point = formatted.indexOf(separator);
    const qsizetype wholeLength = point < 0 ? formatted.size() : point;
    if (wholeLength > kBoxMaxLength)
        throw RuntimeError(RuntimeError::Kind::TooLargeForBox);
    QString cut = formatted.left(kBoxMaxLength);
    if (cut.endsWith(separator))
        cut.chop(separator.size());
    return cut;
}

} // namespace freefall

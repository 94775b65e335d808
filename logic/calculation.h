// The stopping-distance calculation: from the unit mode and the texts of the two speed boxes
// to what Calculate leaves in the boxes.
#pragma once

#include "regionalsettings.h"
#include "runtimeerror.h"

#include <QString>
#include <QStringView>

#include <array>

namespace freefall {

enum class UnitMode { Imperial, Metric };

// Every box holds at most this many characters.
inline constexpr int kBoxMaxLength = 9;

namespace constants {
inline constexpr double ImperialDivisor = 19320;        // inches = (ft/min)^2 / 19320
inline constexpr double MetricDivisor = 0.01963;        // mm = (m/s)^2 / 0.01963
inline constexpr double InchesToMillimetres = 25.4;
inline constexpr double MillimetresToInches = 0.03937007874016;
inline constexpr double FpmToMps = 0.00508;
inline constexpr double MpsToFpm = 196.850393700788;
inline constexpr double Exponent = 2;
} // namespace constants

enum class Box { ImperialSpeed, MetricSpeed, StopInches, StopMillimeters };

struct BoxWrite
{
    Box box;
    QString text;
};

// What Calculate does to the boxes. Show: the three writes in order. Clear: run Clear.
// Stop: the writes made before the fault, which ended the calculation; the box being computed
// keeps its old text and later boxes are untouched.
struct Verdict
{
    enum class Outcome { Show, Clear, Stop };

    Outcome outcome = Outcome::Show;
    std::array<BoxWrite, 3> writes{};
    int writeCount = 0;
    RuntimeError::Kind fault = RuntimeError::Kind::Overflow; // meaningful for Stop only
};

// The first distance is formatted and cut to its box, the second is derived from that text as
// displayed, and the converted speed from the typed speed unrounded.
Verdict calculate(UnitMode mode, QStringView imperialSpeed, QStringView metricSpeed,
                  const RegionalSettings &regional);

// The text as a box of kBoxMaxLength characters shows it. Only decimals are dropped (and then
// a decimal separator left at the end): a whole-number part too long for the box would show
// a different number, so it throws RuntimeError(TooLargeForBox).
QString fitToBox(const QString &formatted, const RegionalSettings &regional);

} // namespace freefall

// The stopping-distance calculation: from the unit mode and the texts of the two speed boxes
// to what Calculate leaves in the boxes.
#pragma once

#include "logic/boxes.h"
#include "runtime/regionalsettings.h"
#include "runtime/runtimeerror.h"

#include <array>
#include <string>
#include <string_view>

namespace freefall {

enum class UnitMode
{
    Imperial,
    Metric
};

namespace constants {
inline constexpr double ImperialDivisor = 19320; // inches = (ft/min)^2 / 19320
inline constexpr double MetricDivisor = 0.01963; // mm = (m/s)^2 / 0.01963
inline constexpr double InchesToMillimetres = 25.4;
inline constexpr double MillimetresToInches = 0.03937007874016;
inline constexpr double FpmToMps = 0.00508;
inline constexpr double MpsToFpm = 196.850393700788;
inline constexpr double Exponent = 2;
} // namespace constants

struct BoxWrite
{
    Box box;
    std::u16string text;
};

// The writes of one Calculate, in the order they are made: at most the three result boxes.
class BoxWrites
{
public:
    const BoxWrite &push(Box box, std::u16string text)
    {
        writes_[size_] = {box, std::move(text)};
        return writes_[size_++];
    }
    const BoxWrite *begin() const { return writes_.data(); }
    const BoxWrite *end() const { return writes_.data() + size_; }
    const BoxWrite &operator[](std::size_t index) const { return writes_[index]; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

private:
    std::array<BoxWrite, 3> writes_{};
    std::size_t size_ = 0;
};

// What Calculate does to the boxes. Show: the three writes in order. Clear: run Clear.
// Stop: the writes made before the fault, which ended the calculation; the box being computed
// keeps its old text and later boxes are untouched.
struct Verdict
{
    enum class Outcome
    {
        Show,
        Clear,
        Stop
    };

    Outcome outcome = Outcome::Show;
    BoxWrites writes;
    RuntimeError::Kind fault = RuntimeError::Kind::Overflow; // meaningful for Stop only
};

// The first distance is formatted and cut to its box, the second is derived from that text as
// displayed, and the converted speed from the typed speed unrounded.
Verdict calculate(UnitMode mode, std::u16string_view imperialSpeed, std::u16string_view metricSpeed,
                  const RegionalSettings &regional);

// The text as a box of kBoxMaxLength characters shows it. Only decimals are dropped (and then
// a decimal separator left at the end): a whole-number part too long for the box would show
// a different number, so it throws RuntimeError(TooLargeForBox).
std::u16string fitToBox(std::u16string formatted, const RegionalSettings &regional);

} // namespace freefall

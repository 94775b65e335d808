// Regional settings given by a number format alone, with no platform behind them: the format
// of a build without a toolkit, of the tests and of the fuzzer.
#pragma once

#include "runtime/numbertext.h"
#include "runtime/regionalsettings.h"

namespace freefall {

class FixedRegionalSettings final : public RegionalSettings
{
public:
    // format must satisfy NumberText::canDescribe.
    explicit FixedRegionalSettings(NumberFormat format = {});

    int decimals() const override;
    std::u16string_view decimalSeparator() const override;
    // A value too large to round is written with all its whole-number digits.
    std::u16string FormatNumber(double value) const override;
    // Exactly what FormatNumber writes, or a shortening of it to fewer decimals.
    double toDouble(std::u16string_view text) const override;

private:
    NumberText text_;
};

} // namespace freefall

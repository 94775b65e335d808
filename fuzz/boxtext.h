// The rules every text written to a box must keep, and whether it shows a value truthfully.
#pragma once

#include "runtime/regionalsettings.h"

#include <string_view>

namespace freefall::fuzz {

// Not empty, at most kBoxMaxLength characters, no "inf", "nan" or infinity sign, and read back
// by the regional conversion; returns the value read back. input names the finding.
double checkBoxText(std::u16string_view text, const RegionalSettings &regional,
                    std::u16string_view input);

// Whether the shown text, read back, lies within one unit of its last digit of value: rounding
// costs half a unit, dropping decimals to fit the box less than one more.
bool showsTruthfully(std::u16string_view shown, double value, const RegionalSettings &regional);

} // namespace freefall::fuzz

// Properties of FormatNumber, the cut to the box and the regional read-back, without the
// calculation around them.
#pragma once

#include "runtime/regionalsettings.h"

#include <string_view>

namespace freefall::fuzz {

// The read-back refuses a text only as a type mismatch; Val of the text, formatted and fitted
// to a box, is a valid box text that reads back as that value within its last digit, and
// the fit refuses only values whose whole-number part cannot fit.
void checkReadBack(std::u16string_view typed, const RegionalSettings &regional);

// The direct path writes QLocale's text for Val of the input and reads the input, that text
// and its shortenings by a box cut as QLocale does.
void checkDirectPath(std::u16string_view typed, const RegionalSettings &regional,
                     const RegionalSettings &reference);

} // namespace freefall::fuzz

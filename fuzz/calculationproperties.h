// Properties of one whole Calculate.
#pragma once

#include "fuzz/fuzzcase.h"

namespace freefall::fuzz {

// Clear exactly when Val of the input is not positive; every write a valid box text in the
// mode's order; the first distance and the converted speed shown truthfully; the second
// distance the first one's read-back times the factor; a stop only where a value is not
// finite or does not fit its box.
void checkCalculation(const FuzzCase &fuzzCase);

} // namespace freefall::fuzz

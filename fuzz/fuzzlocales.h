// The regional settings the fuzzer runs under: separators of one and three bytes, a point or a
// comma for decimals, and the Indian grouping.
#pragma once

#include "runtime/qt/regional/qtregionalsettings.h"

namespace freefall::fuzz {

inline constexpr int kLocaleCount = 5;

// 0 C, 1 en_US, 2 de_DE, 3 fr_FR, 4 hi_IN; built once, as a QLocale is costly to make.
const QtRegionalSettings &fuzzRegional(int index);

// The same locale with every text written and read by QLocale, to check the direct path by.
const QtRegionalSettings &fuzzReference(int index);

} // namespace freefall::fuzz

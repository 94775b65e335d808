// The text and title of the formula information message.
#pragma once

#include <QString>

namespace freefall {

inline constexpr char16_t kFormulaMessageTitle[] = u"Gravity Stopping Distances";

// Eighteen lines joined by carriage return and line feed, with no break after the last.
QString formulaMessage();

} // namespace freefall

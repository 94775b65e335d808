// The text and title of the formula information message.
#pragma once

#include <string>
#include <string_view>

namespace freefall {

inline constexpr std::u16string_view kFormulaMessageTitle = u"Gravity Stopping Distances";

// Eighteen lines joined by carriage return and line feed, with no break after the last.
std::u16string formulaMessage();

} // namespace freefall

// Properties of Val alone, on texts of any length.
#pragma once

#include <string_view>

namespace freefall::fuzz {

// Finite or an overflow, unchanged by a trailing character that cannot continue a number and
// by an inserted blank, and equal to the C library's reading of the same decimal text.
void checkVal(std::u16string_view text);

} // namespace freefall::fuzz

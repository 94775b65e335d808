// Val: the number at the start of a text, read with "." as the decimal point whatever the
// regional settings.
#pragma once

#include <string_view>

namespace freefall {

// Blanks, tabs and line feeds are skipped wherever they stand; reading stops at the first
// character that cannot continue a number; a text with no number gives 0. An optional sign,
// digits, a "." and an exponent introduced by E or D (either case) make a decimal number.
// "&H" and "&O" introduce hexadecimal and octal integers, read as signed 16-bit values when
// they fit 16 bits and as signed 32-bit values when they fit 32 bits ("&HFFFF" is -1).
// Throws RuntimeError(Overflow) when the number does not fit a double or a prefixed integer
// does not fit 32 bits.
double Val(std::u16string_view text);

} // namespace freefall

// Doubles to and from decimal text, exactly and whatever the locale: the standard library's
// std::to_chars and std::from_chars where it has them for floating point, else the C library's.
#pragma once

#include <charconv>
#include <version>

namespace freefall {

// Like std::to_chars(first, last, value, format, precision); format is fixed or scientific.
std::to_chars_result doubleToChars(char *first, char *last, double value, std::chars_format format,
                                   int precision);

// Like std::from_chars(first, last, value): an optional minus, digits with an optional point and
// exponent, or inf and nan; no blanks, no plus sign. result_out_of_range, value untouched, when
// the number is too large for a double or so small that it reads as zero.
std::from_chars_result doubleFromChars(const char *first, const char *last, double &value);

// The same on snprintf and strtod, which round exactly in every C library the program is built
// with. Always built, so the tests hold it to the standard library's results where both exist.
namespace portable {
std::to_chars_result doubleToChars(char *first, char *last, double value, std::chars_format format,
                                   int precision);
std::from_chars_result doubleFromChars(const char *first, const char *last, double &value);
} // namespace portable

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
inline constexpr bool kStandardDoubleChars = true;
#else
inline constexpr bool kStandardDoubleChars = false; // libc++ before 14, as emscripten's
#endif

} // namespace freefall

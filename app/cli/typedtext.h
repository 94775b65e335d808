// What a command-line TEXT may hold: only what a user could type into a speed box.
#pragma once

#include <string_view>

namespace freefall {

// Stands in a decoded argument for bytes that are not valid text in the locale's encoding: a
// character no argument can otherwise hold.
inline constexpr char16_t kUndecodable = u'\0';

// Why text could not have been typed into a box, as a usage message, or nullptr when it could:
// a box takes no control character (C0, DEL or C1), and TEXT must be valid in the locale's
// encoding.
const char *typedTextProblem(std::u16string_view text);

} // namespace freefall

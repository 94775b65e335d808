// What a command-line TEXT may hold: only what a user could type into a speed box, and nothing
// that would disguise the output it is echoed into.
#pragma once

#include <string_view>

namespace freefall {

// Stands in a decoded argument for bytes that are not valid text in the locale's encoding: a
// character no argument can otherwise hold.
inline constexpr char16_t kUndecodable = u'\0';

// Why text is refused, as words that follow its name ("TEXT holds ..."), or nullptr when it is
// taken: a box takes no control character (C0, DEL or C1), the text must be valid in the
// locale's encoding, and it may hold no bidirectional control (U+061C, U+200E, U+200F, U+202A
// to U+202E, U+2066 to U+2069) nor line or paragraph separator (U+2028, U+2029), which would
// change how the output reads when echoed into it.
const char *typedTextProblem(std::u16string_view text);

} // namespace freefall

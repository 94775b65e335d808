// Command-line arguments as text, in the encoding of the user's locale.
#pragma once

#include <string>

namespace freefall {

// The bytes of a command-line argument as text in the encoding that LC_ALL, LC_CTYPE or LANG
// name. Under the C or POSIX locale, or one not installed, the bytes are read as UTF-8, as the
// terminal most likely sent them. Bytes that are not valid text there leave U+0000 in the
// result (kUndecodable), a character no argument can otherwise hold.
std::u16string decodeArgument(const char *bytes);

} // namespace freefall

// What a command-line TEXT may hold: only what a user could type into a speed box.
#pragma once

#include <QString>
#include <QStringView>

namespace freefall {

// The bytes of a command-line argument as text in the encoding that LC_ALL, LC_CTYPE or LANG
// name. Under the C or POSIX locale, or one not installed, the bytes are read as UTF-8, as the
// terminal most likely sent them. Bytes that are not valid text there leave U+0000 in the
// result, a character no argument can otherwise hold.
QString decodeArgument(const char *bytes);

// Why text could not have been typed into a box, as a usage message, or nullptr when it could:
// a box takes no control character (C0, DEL or C1), and TEXT must be valid in the locale's
// encoding.
const char *typedTextProblem(QStringView text);

} // namespace freefall

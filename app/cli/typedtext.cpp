// The characters a speed box cannot take from the keyboard, and those that would change how
// the output reads around them.
#include "app/cli/typedtext.h"

namespace freefall {

namespace {

// The Arabic letter mark, left-to-right and right-to-left marks, embeddings, overrides and
// isolates, and the line and paragraph separators: echoed into a table they reorder or break
// the lines around them.
bool reordersOrBreaksText(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

} // namespace

const char *typedTextProblem(std::u16string_view text)
{
    for (const char16_t c : text) {
        if (c == kUndecodable)
            return "is not valid text in the locale's character encoding";
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return "holds a control character, which cannot be typed into a box";
        if (reordersOrBreaksText(c))
            return "holds a bidirectional control or a line or paragraph separator, which could "
                   "disguise the output";
    }
    return nullptr;
}

} // namespace freefall

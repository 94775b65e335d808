// The characters a speed box cannot take from the keyboard.
#include "app/cli/typedtext.h"

namespace freefall {

const char *typedTextProblem(std::u16string_view text)
{
    for (const char16_t c : text) {
        if (c == kUndecodable)
            return "is not valid text in the locale's character encoding";
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return "holds a control character, which cannot be typed into a box";
    }
    return nullptr;
}

} // namespace freefall

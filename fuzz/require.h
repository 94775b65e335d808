// How a fuzzed property fails: one line naming the property and the input, then a trap,
// which libFuzzer records as a crash together with the input that caused it.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace freefall::fuzz {

// Printable ASCII as it is, everything else as \uXXXX, so a finding's text can be retyped.
inline std::string escaped(std::u16string_view text)
{
    std::string out;
    for (const char16_t u : text) {
        if (u >= 0x20 && u < 0x7F && u != u'\\') {
            out.push_back(static_cast<char>(u));
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(u));
            out += buffer;
        }
    }
    return out;
}

[[noreturn]] inline void violated(const char *property, std::u16string_view input)
{
    std::fprintf(stderr, "property violated: %s; input \"%s\"\n", property, escaped(input).c_str());
    __builtin_trap();
}

inline void require(bool holds, const char *property, std::u16string_view input)
{
    if (!holds)
        violated(property, input);
}

} // namespace freefall::fuzz

// How a fuzzed property fails: one line naming the property and the input, then a trap,
// which libFuzzer records as a crash together with the input that caused it.
#pragma once

#include <QString>

#include <cstdio>
#include <string>

namespace freefall::fuzz {

// Printable ASCII as it is, everything else as \uXXXX, so a finding's text can be retyped.
inline std::string escaped(const QString &text)
{
    std::string out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
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

[[noreturn]] inline void violated(const char *property, const QString &input)
{
    std::fprintf(stderr, "property violated: %s; input \"%s\"\n", property, escaped(input).c_str());
    __builtin_trap();
}

inline void require(bool holds, const char *property, const QString &input)
{
    if (!holds)
        violated(property, input);
}

} // namespace freefall::fuzz

// Val against its own rules and against strtod, which reads the same decimal grammar once
// the blanks are gone and a D exponent is spelt E.
#include "fuzz/valproperties.h"

#include "fuzz/require.h"
#include "runtime/runtimeerror.h"
#include "runtime/val.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace freefall::fuzz {

namespace {

struct Reading
{
    bool overflow = false;
    double value = 0;

    bool operator==(const Reading &other) const
    {
        return overflow == other.overflow &&
               (overflow ||
                (value == other.value && std::signbit(value) == std::signbit(other.value)));
    }
};

Reading readVal(std::u16string_view text)
{
    try {
        return {false, Val(text)};
    } catch (const RuntimeError &error) {
        require(error.kind() == RuntimeError::Kind::Overflow, "Val throws other than overflow",
                text);
        return {true, 0};
    }
}

bool isSkippedBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool mayBelongToDecimal(char16_t c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' || c == u'e' ||
           c == u'E' || c == u'd' || c == u'D';
}

// The leading run of the text that strtod may read, blanks taken out and D turned into E;
// strtod stops where Val stops. Empty when the text starts with a prefix (&H, &O).
std::string decimalPrefix(std::u16string_view text)
{
    std::string ascii;
    for (const char16_t c : text) {
        if (isSkippedBlank(c))
            continue;
        if (!mayBelongToDecimal(c))
            break;
        ascii.push_back(c == u'd' || c == u'D' ? 'e' : static_cast<char>(c));
    }
    return ascii;
}

void compareWithStrtod(std::u16string_view text, const Reading &reading)
{
    const std::string ascii = decimalPrefix(text);
    errno = 0;
    const double expected = std::strtod(ascii.c_str(), nullptr);
    const bool outOfRange = errno == ERANGE;
    if (std::isinf(expected)) {
        require(reading.overflow, "Val reads a number too large for a double", text);
        return;
    }
    require(!reading.overflow, "Val overflows on a number that fits a double", text);
    if (outOfRange && std::fabs(expected) < DBL_MIN) {
        // Below the normal range Val may give zero where strtod gives a subnormal.
        require(reading.value == expected || reading.value == 0, "Val reads a tiny number wrongly",
                text);
        return;
    }
    require(reading.value == expected, "Val differs from strtod", text);
}

} // namespace

void checkVal(std::u16string_view text)
{
    const Reading reading = readVal(text);
    require(reading.overflow || std::isfinite(reading.value), "Val returns a value not finite",
            text);
    require(readVal(std::u16string(text) + u'x') == reading, "a trailing x changes Val", text);
    std::u16string blank(text);
    blank.insert(text.size() / 2, 1, u' ');
    require(readVal(blank) == reading, "an inserted blank changes Val", text);

    const auto firstNonBlank = std::find_if_not(text.begin(), text.end(), isSkippedBlank);
    if (firstNonBlank == text.end() || *firstNonBlank != u'&')
        compareWithStrtod(text, reading);
}

} // namespace freefall::fuzz

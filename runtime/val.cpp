// Val reads the leading number of a text by fixed rules, independent of the regional settings.
#include "runtime/val.h"

#include "runtime/doublechars.h"
#include "runtime/runtimeerror.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace freefall {

namespace {

bool isSkippedBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(char16_t c, int radix)
{
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < radix ? value : -1;
}

// The text with the skipped blanks taken out, as the reader sees it; only the characters
// that can belong to a number matter, so anything else ends the copy.
std::u16string compacted(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (!isSkippedBlank(c))
            out.push_back(c);
    }
    return out;
}

double readPrefixed(const std::u16string &s, std::size_t pos, int radix)
{
    std::uint64_t value = 0;
    for (; pos < s.size(); ++pos) {
        const int digit = digitValue(s[pos], radix);
        if (digit < 0)
            break;
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu)
            throw RuntimeError(RuntimeError::Kind::Overflow);
    }
    if (value <= 0xFFFFu)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

double readDecimal(const std::u16string &s)
{
    // Gather the number in plain ASCII and leave the correctly rounded conversion to the
    // standard library.
    std::string ascii;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) {
        if (s[pos] == u'-')
            ascii.push_back('-');
        ++pos;
    }
    int mantissaDigits = 0;
    int magnitude = 0; // position of the leading significant digit, as a power of ten
    bool significant = false;
    for (; pos < s.size() && isDigit(s[pos]); ++pos, ++mantissaDigits) {
        ascii.push_back(static_cast<char>(s[pos]));
        if (s[pos] != u'0')
            significant = true;
        if (significant)
            ++magnitude;
    }
    magnitude -= 1;
    if (pos < s.size() && s[pos] == u'.') {
        ascii.push_back('.');
        int fractionDigits = 0;
        for (++pos; pos < s.size() && isDigit(s[pos]); ++pos, ++mantissaDigits) {
            ascii.push_back(static_cast<char>(s[pos]));
            ++fractionDigits;
            if (!significant && s[pos] != u'0') {
                significant = true;
                magnitude = -fractionDigits;
            }
        }
    }
    if (mantissaDigits == 0)
        return 0.0;

    long exponent = 0;
    if (pos + 1 < s.size() &&
        (s[pos] == u'E' || s[pos] == u'e' || s[pos] == u'D' || s[pos] == u'd')) {
        std::size_t e = pos + 1;
        bool negative = false;
        if (s[e] == u'+' || s[e] == u'-') {
            negative = s[e] == u'-';
            ++e;
        }
        if (e < s.size() && isDigit(s[e])) {
            for (; e < s.size() && isDigit(s[e]); ++e) {
                if (exponent < 100000) // far beyond any double; saturate instead of wrapping
                    exponent = exponent * 10 + (s[e] - u'0');
            }
            if (negative)
                exponent = -exponent;
        }
    }
    if (!significant)
        return ascii.front() == '-' ? -0.0 : 0.0;
    if (exponent != 0) {
        ascii.push_back('e');
        ascii += std::to_string(exponent);
    }

    double value = 0.0;
    const auto result = doubleFromChars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude + exponent > 0)
            throw RuntimeError(RuntimeError::Kind::Overflow);
        return ascii.front() == '-' ? -0.0 : 0.0; // too small to tell from zero
    }
    return value;
}

} // namespace

double Val(std::u16string_view text)
{
    const std::u16string s = compacted(text);
    if (s.size() >= 2 && s[0] == u'&') {
        if (s[1] == u'H' || s[1] == u'h')
            return readPrefixed(s, 2, 16);
        if (s[1] == u'O' || s[1] == u'o')
            return readPrefixed(s, 2, 8);
    }
    if (!s.empty() && s[0] == u'&')
        return 0.0;
    return readDecimal(s);
}

} // namespace freefall

// Decimal text of doubles. Where the standard library lacks the floating-point conversions,
// snprintf and strtod stand in; the C locale's point is swapped for whatever point the program's
// locale has, since a toolkit may have set LC_NUMERIC from the environment.
#include "runtime/doublechars.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace freefall {

namespace portable {

namespace {

std::string_view localePoint()
{
    const char *point = std::localeconv()->decimal_point;
    return point && *point ? std::string_view(point) : std::string_view(".");
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(const char *p, const char *last)
{
    std::size_t n = 0;
    while (p + n < last && isDigit(p[n]))
        ++n;
    return n;
}

bool startsWithWord(const char *p, const char *last, std::string_view word)
{
    if (std::size_t(last - p) < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(p[i])) != word[i])
            return false;
    }
    return true;
}

// The length of the longest leading run that from_chars reads as a number, and whether its
// mantissa has a digit other than zero; 0 when there is none.
std::size_t numberLength(const char *first, const char *last, bool &nonZero, bool &infinite)
{
    nonZero = false;
    infinite = false;
    const char *p = first;
    if (p < last && *p == '-')
        ++p;
    if (startsWithWord(p, last, "inf")) {
        infinite = true;
        p += startsWithWord(p, last, "infinity") ? 8 : 3;
        return std::size_t(p - first);
    }
    if (startsWithWord(p, last, "nan"))
        return std::size_t(p + 3 - first); // a payload in parentheses is not needed here
    const std::size_t whole = digitsFrom(p, last);
    std::size_t fraction = 0;
    const char *mantissa = p;
    p += whole;
    if (p < last && *p == '.') {
        fraction = digitsFrom(p + 1, last);
        if (whole + fraction > 0)
            p += 1 + fraction;
    }
    if (whole + fraction == 0)
        return 0;
    for (const char *q = mantissa; q < p; ++q) {
        if (isDigit(*q) && *q != '0')
            nonZero = true;
    }
    if (p < last && (*p == 'e' || *p == 'E')) {
        const char *e = p + 1;
        if (e < last && (*e == '+' || *e == '-'))
            ++e;
        const std::size_t exponent = digitsFrom(e, last);
        if (exponent > 0)
            p = e + exponent;
    }
    return std::size_t(p - first);
}

// Copies text to [first, last) with its first point from replaced by to.
std::to_chars_result copyWithPoint(std::string_view text, std::string_view from,
                                   std::string_view to, char *first, char *last)
{
    const std::size_t at = text.find(from);
    const std::size_t size =
        at == std::string_view::npos ? text.size() : text.size() - from.size() + to.size();
    if (size > std::size_t(last - first))
        return {last, std::errc::value_too_large};
    if (at == std::string_view::npos) {
        std::memcpy(first, text.data(), text.size());
        return {first + size, std::errc()};
    }
    char *out = first;
    out = std::copy_n(text.data(), at, out);
    out = std::copy_n(to.data(), to.size(), out);
    out = std::copy_n(text.data() + at + from.size(), text.size() - at - from.size(), out);
    return {out, std::errc()};
}

} // namespace

std::to_chars_result doubleToChars(char *first, char *last, double value, std::chars_format format,
                                   int precision)
{
    const char *pattern = format == std::chars_format::fixed ? "%.*f" : "%.*e";
    const int needed = std::snprintf(nullptr, 0, pattern, precision, value);
    if (needed < 0)
        return {last, std::errc::value_too_large};
    std::string text(std::size_t(needed) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern, precision, value);
    text.resize(std::size_t(needed));
    return copyWithPoint(text, localePoint(), ".", first, last);
}

std::from_chars_result doubleFromChars(const char *first, const char *last, double &value)
{
    bool nonZero = false;
    bool infinite = false;
    const std::size_t length = numberLength(first, last, nonZero, infinite);
    if (length == 0)
        return {first, std::errc::invalid_argument};
    // The number with the locale's point, and room for it to be longer than ".".
    std::string copy(length + 8, '\0');
    const std::string_view point = localePoint();
    if (copyWithPoint(std::string_view(first, length), ".", point, copy.data(),
                      copy.data() + copy.size() - 1)
            .ec != std::errc())
        return {first, std::errc::invalid_argument};
    const double read = std::strtod(copy.c_str(), nullptr);
    if ((std::isinf(read) && !infinite) || (read == 0 && nonZero))
        return {first + length, std::errc::result_out_of_range};
    value = read;
    return {first + length, std::errc()};
}

} // namespace portable

std::to_chars_result doubleToChars(char *first, char *last, double value, std::chars_format format,
                                   int precision)
{
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    return std::to_chars(first, last, value, format, precision);
#else
    return portable::doubleToChars(first, last, value, format, precision);
#endif
}

std::from_chars_result doubleFromChars(const char *first, const char *last, double &value)
{
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    return std::from_chars(first, last, value);
#else
    return portable::doubleFromChars(first, last, value);
#endif
}

} // namespace freefall

// Writes and reads the regional text of a number from its format's description: the minus
// sign, the grouped whole-number digits, the decimal separator and the decimals.
#include "runtime/numbertext.h"

#include "runtime/doublechars.h"
#include "runtime/regionalsettings.h"
#include "runtime/runtimeerror.h"
#include "runtime/shownnumber.h"

#include <algorithm>
#include <charconv>

namespace freefall {

namespace {

// A value below 10^15 scaled units has at most this many whole-number digits.
constexpr int kMaxWholeDigits = kSignificantDigits;
constexpr int kMaxDecimals = 9;

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool startsWith(std::u16string_view text, std::u16string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

bool NumberText::canDescribe(const NumberFormat &f)
{
    const auto hasDigit = [](std::u16string_view text) {
        return std::any_of(text.begin(), text.end(), isAsciiDigit);
    };
    // Without grouping the group separator is never written, whatever it is.
    const bool grouped = f.leastGroup > 0;
    const bool groupSeparatorFits =
        !grouped || (!f.groupSeparator.empty() && f.decimalSeparator != f.groupSeparator &&
                     f.groupSeparator.size() <= kMaxSeparatorLength && !hasDigit(f.groupSeparator));
    return !f.decimalSeparator.empty() && f.decimalSeparator.size() <= kMaxSeparatorLength &&
           groupSeparatorFits && f.minusSign.size() <= kMaxMinusLength &&
           !hasDigit(f.decimalSeparator) && !hasDigit(f.minusSign) && f.decimals >= 0 &&
           f.decimals <= kMaxDecimals && f.leastGroup >= 0 && f.higherGroups >= 0 &&
           f.leadingAtLeast > 0 && f.groupedFrom >= 0;
}

NumberText::NumberText(NumberFormat format) : format_(std::move(format)) {}

bool NumberText::separatorFollows(int index, int count) const
{
    const int left = count - 1 - index;
    const int least = format_.leastGroup;
    const int higher = format_.higherGroups;
    return least > 0 && count >= format_.groupedFrom && index + 1 >= format_.leadingAtLeast &&
           (left == least || (left > least && higher > 0 && (left - least) % higher == 0));
}

// The whole-number digits with a separator before each group: the least group nearest the
// decimal separator, the higher groups before it (3 and 3 in en_US, 3 and 2 in hi_IN).
void NumberText::appendGrouped(std::u16string &out, const char *digits, int count) const
{
    for (int i = 0; i < count; ++i) {
        out.push_back(char16_t(digits[i]));
        if (separatorFollows(i, count))
            out += format_.groupSeparator;
    }
}

// Whether whole is exactly the digits with the separators appendGrouped puts between them.
bool NumberText::isGrouped(std::u16string_view whole, const char *digits, int count) const
{
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        if (at >= whole.size() || whole[at++] != char16_t(digits[i]))
            return false;
        if (separatorFollows(i, count)) {
            if (whole.substr(at, format_.groupSeparator.size()) != format_.groupSeparator)
                return false;
            at += format_.groupSeparator.size();
        }
    }
    return at == whole.size();
}

std::optional<std::u16string> NumberText::format(double value) const
{
    const std::optional<ShownNumber> shown = roundAsShown(value, format_.decimals);
    if (!shown)
        return std::nullopt;
    const int decimals = format_.decimals;
    char digits[24];
    const int written =
        int(std::to_chars(digits, digits + sizeof digits, shown->scaled).ptr - digits);
    // 5 hundredths is "0.05": zeros stand in front of what to_chars wrote.
    char padded[24 + kMaxDecimals] = {};
    std::fill(padded, padded + sizeof padded, '0');
    const int padding = written < decimals + 1 ? decimals + 1 - written : 0;
    std::copy(digits, digits + written, padded + padding);
    const int wholeDigits = written + padding - decimals;

    std::u16string out;
    out.reserve(32);
    if (shown->negative)
        out += format_.minusSign;
    // Without a leading zero a value below 1 starts at its decimal separator; a number without
    // decimals keeps its one digit.
    const bool zeroDropped =
        !format_.leadingZero && decimals > 0 && wholeDigits == 1 && padded[0] == '0';
    if (!zeroDropped)
        appendGrouped(out, padded, wholeDigits);
    if (decimals > 0) {
        out += format_.decimalSeparator;
        for (int i = wholeDigits; i < wholeDigits + decimals; ++i)
            out.push_back(char16_t(padded[i]));
    }
    return out;
}

std::optional<double> NumberText::read(std::u16string_view text) const
{
    char ascii[1 + kMaxWholeDigits + 1 + kMaxDecimals];
    int n = 0;
    if (!format_.minusSign.empty() && startsWith(text, format_.minusSign)) {
        ascii[n++] = '-';
        text.remove_prefix(format_.minusSign.size());
    }
    const std::size_t point = text.find(format_.decimalSeparator);
    const std::u16string_view whole = text.substr(0, point);
    const std::u16string_view decimals = point == std::u16string_view::npos
                                             ? std::u16string_view()
                                             : text.substr(point + format_.decimalSeparator.size());
    if (point != std::u16string_view::npos &&
        (decimals.empty() || decimals.size() > std::size_t(format_.decimals)))
        return std::nullopt;

    const int firstDigit = n;
    for (char16_t c : whole) {
        if (!isAsciiDigit(c))
            continue; // a separator, checked below with the grouping
        if (n - firstDigit == kMaxWholeDigits)
            return std::nullopt;
        ascii[n++] = char(c);
    }
    const int wholeDigits = n - firstDigit;
    if (wholeDigits > 1 && ascii[firstDigit] == '0')
        return std::nullopt;
    if (!isGrouped(whole, ascii + firstDigit, wholeDigits))
        return std::nullopt;
    // A lone zero before the decimals is written only with a leading zero, and nothing before
    // them only without one.
    const bool loneZero = wholeDigits == 1 && ascii[firstDigit] == '0';
    if (wholeDigits == 0 && (format_.leadingZero || decimals.empty()))
        return std::nullopt;
    if (loneZero && !format_.leadingZero && !decimals.empty())
        return std::nullopt;
    if (wholeDigits == 0)
        ascii[n++] = '0';

    if (!decimals.empty()) {
        ascii[n++] = '.';
        for (char16_t c : decimals) {
            if (!isAsciiDigit(c))
                return std::nullopt;
            ascii[n++] = char(c);
        }
    }
    double value = 0;
    if (doubleFromChars(ascii, ascii + n, value).ec != std::errc())
        return std::nullopt;
    return value;
}

bool NumberText::agreesWith(const RegionalSettings &platform) const
{
    if (platform.decimals() != format_.decimals)
        return false;
    for (double value :
         {0.0, 0.05, 1.0, -1.5, 12.34, 123.45, 1234.5, 12345.67, 123456.78, 1234567.89, 12345678.9,
          123456789.01, 1234567890.12, 12345678901.23, -9876543.21, 9999.995}) {
        // A value with more digits than format can round is the platform's to write anyway.
        const std::optional<std::u16string> text = format(value);
        if (!text)
            continue;
        if (*text != platform.FormatNumber(value))
            return false;
        // Only what the direct read takes needs the platform's reading too.
        for (std::size_t length = text->size(); length > 0; --length) {
            const std::u16string_view cut = std::u16string_view(*text).substr(0, length);
            const std::optional<double> direct = read(cut);
            if (!direct)
                continue;
            if (readOrRefuse(platform, cut) != direct)
                return false;
        }
    }
    return true;
}

} // namespace freefall

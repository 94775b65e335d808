// Locale-aware formatting and read-back. QLocale defines the text; the direct path writes and
// reads that same text without it, in the locales where the two have been seen to agree.
#include "regionalsettings.h"

#include "runtimeerror.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace freefall {

namespace {

QString numericLocaleName()
{
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return QString::fromLocal8Bit(value);
    }
    return QString();
}

QLocale localeNamed(QString name)
{
    // "de_DE.UTF-8@euro" names the locale de_DE.
    name = name.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return QLocale::c();
    return QLocale(name);
}

constexpr int kSignificant = 15;
// A value below 10^15 hundredths has at most this many whole-number digits.
constexpr int kMaxWholeDigits = kSignificant - RegionalSettings::kDecimals;
// Longer separators or signs are left to QLocale, so the direct text fits its buffer.
constexpr qsizetype kMaxSeparatorLength = 2;
constexpr qsizetype kMaxMinusLength = 4;

struct Hundredths
{
    long long count;
    bool negative;
};

// The value rounded to two decimals as the decimal it stands for: first to the 15 significant
// digits a double holds reliably, then half away from zero. So 233289 / 19320, which is exactly
// 12.075 but lands on the double just below it, shows as 12.08. None for a value that is not
// finite, or so large that nothing below the second decimal survives the 15 digits.
std::optional<Hundredths> hundredthsAsShown(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // [-]d.dddddddddddddde[+-]xx
    char buffer[32];
    const char *end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, kSignificant - 1)
                          .ptr;
    const char *p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[kSignificant];
    int count = 0;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits[count++] = *p;
    }
    ++p;
    if (*p == '+')
        ++p;
    int exponent = 0;
    std::from_chars(p, end, exponent);

    // Digits that stand before the rounding place: the whole-number digits and two decimals.
    const int kept = exponent + 1 + RegionalSettings::kDecimals;
    if (kept >= kSignificant)
        return std::nullopt;
    Hundredths shown{0, false};
    if (kept < 0)
        return shown;
    for (int i = 0; i < kept; ++i)
        shown.count = shown.count * 10 + (digits[i] - '0');
    if (digits[kept] >= '5')
        ++shown.count;
    // A value that rounds to zero shows no sign.
    shown.negative = negative && shown.count != 0;
    return shown;
}

double roundedAsShown(double value)
{
    const std::optional<Hundredths> shown = hundredthsAsShown(value);
    if (!shown)
        return value;
    const double magnitude = static_cast<double>(shown->count) / 100.0;
    return shown->negative ? -magnitude : magnitude;
}

// The direct text is put together in place and copied into its QString once.
struct TextBuffer
{
    char16_t chars[64];
    qsizetype size = 0;

    void put(char16_t c) { chars[size++] = c; }
    void put(const QString &text)
    {
        for (QChar c : text)
            chars[size++] = c.unicode();
    }
    QStringView view() const { return QStringView(chars, size); }
};

// The whole-number digits with a separator before each group: the least group nearest the
// decimal separator, the higher groups before it (3 and 3 in en_US, 3 and 2 in hi_IN).
void putGrouped(TextBuffer &out, const char *digits, int count,
                const RegionalSettings::Grouping &grouping)
{
    for (int i = 0; i < count; ++i) {
        out.put(char16_t(digits[i]));
        const int left = count - 1 - i;
        if (i + 1 >= grouping.leadingAtLeast &&
            (left == grouping.least ||
             (left > grouping.least && (left - grouping.least) % grouping.higher == 0)))
            out.put(grouping.separator);
    }
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

RegionalSettings RegionalSettings::fromEnvironment()
{
    return RegionalSettings(localeNamed(numericLocaleName()));
}

RegionalSettings::RegionalSettings(QLocale locale, Path path) : locale_(std::move(locale))
{
    locale_.setNumberOptions(QLocale::DefaultNumberOptions);
    decimalSeparator_ = locale_.decimalPoint();
    minus_ = locale_.negativeSign();
    const QString separator = locale_.groupSeparator();
    if (path != Path::Direct || locale_.zeroDigit() != u"0" || separator.isEmpty() ||
        separator == decimalSeparator_ || separator.size() > kMaxSeparatorLength ||
        decimalSeparator_.size() > kMaxSeparatorLength || minus_.size() > kMaxMinusLength)
        return;
    // The group sizes as QLocale writes them: the last two groups of a ten-digit number.
    const QString probe = locale_.toString(1234567890.0, 'f', 0);
    const qsizetype last = probe.lastIndexOf(separator);
    const qsizetype before = last > 0 ? probe.lastIndexOf(separator, last - 1) : -1;
    if (before < 0)
        return;
    grouping_.separator = separator;
    grouping_.least = int(probe.size() - last - separator.size());
    grouping_.higher = int(last - before - separator.size());
    if (grouping_.least <= 0 || grouping_.higher <= 0)
        return;
    // The shortest whole number QLocale groups tells the fewest digits it leaves in a leading
    // group: 1234 is grouped in most locales, 12345 first where a lone digit is not.
    int fewestGrouped = grouping_.least + 1;
    while (fewestGrouped < 10 &&
           !locale_.toString(std::floor(1234567890.0 / std::pow(10.0, 10 - fewestGrouped)), 'f', 0)
                .contains(separator))
        ++fewestGrouped;
    grouping_.leadingAtLeast = fewestGrouped - grouping_.least;
    direct_ = agreesWithQLocale();
}

// Numbers of every length up to the widest a box can hold and beyond, both signs and a carry:
// the direct text must be QLocale's own, and QLocale must read each of its shortenings back
// to what the direct read gives.
bool RegionalSettings::agreesWithQLocale() const
{
    for (double value :
         {0.0, 0.05, 1.0, -1.5, 12.34, 123.45, 1234.5, 12345.67, 123456.78, 1234567.89, 12345678.9,
          123456789.01, 1234567890.12, 12345678901.23, -9876543.21, 9999.995}) {
        const std::optional<Hundredths> shown = hundredthsAsShown(value);
        const QString text = formatDirect(shown->count, shown->negative);
        if (text != locale_.toString(roundedAsShown(value), 'f', kDecimals))
            return false;
        // Only what the direct read takes needs QLocale's reading too.
        for (qsizetype length = text.size(); length > 0; --length) {
            const QStringView cut = QStringView(text).first(length);
            double direct = 0;
            if (!readDirect(cut, direct))
                continue;
            bool ok = false;
            if (locale_.toDouble(cut, &ok) != direct || !ok)
                return false;
        }
    }
    return true;
}

QString RegionalSettings::formatDirect(long long hundredths, bool negative) const
{
    char digits[24];
    const int written = int(std::to_chars(digits, digits + sizeof digits, hundredths).ptr - digits);
    // "5" hundredths is "0.05": zeros stand in front of what to_chars wrote.
    char padded[24] = {'0', '0', '0'};
    const int padding = written < kDecimals + 1 ? kDecimals + 1 - written : 0;
    std::copy(digits, digits + written, padded + padding);
    const int wholeDigits = written + padding - kDecimals;

    TextBuffer out;
    if (negative)
        out.put(minus_);
    putGrouped(out, padded, wholeDigits, grouping_);
    out.put(decimalSeparator_);
    for (int i = wholeDigits; i < wholeDigits + kDecimals; ++i)
        out.put(char16_t(padded[i]));
    return out.view().toString();
}

// Exactly the text formatDirect writes, with as many of its decimals as are left: a minus
// sign, the whole-number digits in the locale's groups, then the decimal separator and one or
// two decimals. Anything else is left to QLocale.
bool RegionalSettings::readDirect(QStringView text, double &value) const
{
    char ascii[1 + kMaxWholeDigits + 1 + kDecimals];
    int n = 0;
    if (text.startsWith(minus_)) {
        ascii[n++] = '-';
        text = text.sliced(minus_.size());
    }
    const qsizetype point = text.indexOf(decimalSeparator_);
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView decimals =
        point < 0 ? QStringView() : text.sliced(point + decimalSeparator_.size());
    if (point >= 0 && (decimals.isEmpty() || decimals.size() > kDecimals))
        return false;

    const int firstDigit = n;
    for (QChar c : whole) {
        if (!isAsciiDigit(c))
            continue; // a separator, checked below with the grouping
        if (n - firstDigit == kMaxWholeDigits)
            return false;
        ascii[n++] = char(c.unicode());
    }
    const int wholeDigits = n - firstDigit;
    if (wholeDigits == 0 || (wholeDigits > 1 && ascii[firstDigit] == '0'))
        return false;
    TextBuffer grouped;
    putGrouped(grouped, ascii + firstDigit, wholeDigits, grouping_);
    if (grouped.view() != whole)
        return false;

    if (!decimals.isEmpty()) {
        ascii[n++] = '.';
        for (QChar c : decimals) {
            if (!isAsciiDigit(c))
                return false;
            ascii[n++] = char(c.unicode());
        }
    }
    return std::from_chars(ascii, ascii + n, value).ec == std::errc();
}

QString RegionalSettings::FormatNumber(double value) const
{
    if (direct_) {
        if (const std::optional<Hundredths> shown = hundredthsAsShown(value))
            return formatDirect(shown->count, shown->negative);
    }
    return locale_.toString(roundedAsShown(value), 'f', kDecimals);
}

double RegionalSettings::toDouble(QStringView text) const
{
    double value = 0;
    if (direct_ && readDirect(text, value))
        return value;
    bool ok = false;
    value = locale_.toDouble(text, &ok);
    // QLocale also reads "inf" and "nan", which are not numbers any box shows.
    if (!ok || !std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::TypeMismatch);
    return value;
}

} // namespace freefall

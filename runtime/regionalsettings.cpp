// Locale-aware formatting and read-back through QLocale; only the rounding rule is our own.
#include "regionalsettings.h"

#include "runtimeerror.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

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

// The value rounded to two decimals as the decimal it stands for: first to the 15 significant
// digits a double holds reliably, then half away from zero. So 233289 / 19320, which is exactly
// 12.075 but lands on the double just below it, shows as 12.08.
double roundedAsShown(double value)
{
    constexpr int kSignificant = 15;
    if (!std::isfinite(value))
        return value;
    char buffer[40];
    char *end = std::to_chars(buffer, buffer + sizeof buffer - 1, value,
                              std::chars_format::scientific, kSignificant - 1)
                    .ptr;
    *end = '\0';
    // buffer: [-]d.dddddddddddddde[+-]xx
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
    const int exponent = std::atoi(p + 1);

    // Digits that stand before the rounding place: the whole-number digits and two decimals.
    const int kept = exponent + 1 + RegionalSettings::kDecimals;
    if (kept >= kSignificant)
        return value; // nothing below the second decimal survives the 15 digits
    if (kept < 0)
        return 0.0;

    // Round the digit string at the place and rebuild it as a plain decimal for from_chars.
    long long whole = 0;
    for (int i = 0; i < kept; ++i)
        whole = whole * 10 + (digits[i] - '0');
    if (digits[kept] >= '5')
        ++whole;
    // whole counts units of 10^(exponent + 1 - kept) = 10^-kDecimals.
    const double shown = static_cast<double>(whole) / 100.0;
    return negative && whole != 0 ? -shown : shown;
}

} // namespace

RegionalSettings RegionalSettings::fromEnvironment()
{
    return RegionalSettings(localeNamed(numericLocaleName()));
}

RegionalSettings::RegionalSettings(QLocale locale)
    : locale_(std::move(locale))
{
    locale_.setNumberOptions(QLocale::DefaultNumberOptions);
    decimalSeparator_ = locale_.decimalPoint();
}

QString RegionalSettings::FormatNumber(double value) const
{
    return locale_.toString(roundedAsShown(value), 'f', kDecimals);
}

double RegionalSettings::toDouble(QStringView text) const
{
    bool ok = false;
    const double value = locale_.toDouble(text, &ok);
    if (!ok)
        throw RuntimeError(RuntimeError::Kind::TypeMismatch);
    return value;
}

} // namespace freefall

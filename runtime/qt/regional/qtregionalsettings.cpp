// Locale-aware formatting and read-back. QLocale defines the text; the direct path writes and
// reads that same text from its description, in the locales where the two have been seen to
// agree.
#include "runtime/qt/regional/qtregionalsettings.h"

#include "runtime/runtimeerror.h"
#include "runtime/shownnumber.h"

#include <QString>
#include <QStringView>

#include <cmath>

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

std::u16string toU16(const QString &text)
{
    return text.toStdU16String();
}

QStringView toQt(std::u16string_view text)
{
    return QStringView(text.data(), qsizetype(text.size()));
}

} // namespace

QtRegionalSettings QtRegionalSettings::fromEnvironment(Path path)
{
    return QtRegionalSettings(localeNamed(numericLocaleName()), path);
}

QtRegionalSettings::QtRegionalSettings(QLocale locale, Path path) : locale_(std::move(locale))
{
    locale_.setNumberOptions(QLocale::DefaultNumberOptions);
    decimalSeparator_ = toU16(locale_.decimalPoint());
    if (path != Path::Direct)
        return;
    const std::optional<NumberFormat> format = describedFormat();
    if (!format || !NumberText::canDescribe(*format))
        return;
    // While direct_ is empty, this object answers through QLocale alone.
    const NumberText candidate(*format);
    if (candidate.agreesWith(*this))
        direct_ = candidate;
}

// The locale's separators and minus sign, and its group sizes as QLocale writes them. None for a
// locale with digits of its own or without two groups in a ten-digit number.
std::optional<NumberFormat> QtRegionalSettings::describedFormat() const
{
    if (locale_.zeroDigit() != u"0")
        return std::nullopt;
    NumberFormat format;
    format.decimalSeparator = decimalSeparator_;
    format.groupSeparator = toU16(locale_.groupSeparator());
    format.minusSign = toU16(locale_.negativeSign());
    format.decimals = kDecimals;
    if (format.groupSeparator.empty())
        return std::nullopt;
    // The group sizes: the last two groups of a ten-digit number.
    const QString separator = locale_.groupSeparator();
    const QString probe = locale_.toString(1234567890.0, 'f', 0);
    const qsizetype last = probe.lastIndexOf(separator);
    const qsizetype before = last > 0 ? probe.lastIndexOf(separator, last - 1) : -1;
    if (before < 0)
        return std::nullopt;
    format.leastGroup = int(probe.size() - last - separator.size());
    format.higherGroups = int(last - before - separator.size());
    if (format.leastGroup <= 0 || format.higherGroups <= 0)
        return std::nullopt;
    // The shortest whole number QLocale groups tells the fewest digits it leaves in a leading
    // group: 1234 is grouped in most locales, 12345 first where a lone digit is not.
    int fewestGrouped = format.leastGroup + 1;
    while (fewestGrouped < 10 &&
           !locale_.toString(std::floor(1234567890.0 / std::pow(10.0, 10 - fewestGrouped)), 'f', 0)
                .contains(separator))
        ++fewestGrouped;
    format.leadingAtLeast = fewestGrouped - format.leastGroup;
    return format;
}

std::u16string_view QtRegionalSettings::decimalSeparator() const
{
    return decimalSeparator_;
}

std::u16string QtRegionalSettings::FormatNumber(double value) const
{
    if (direct_) {
        if (std::optional<std::u16string> text = direct_->format(value))
            return *std::move(text);
    }
    return toU16(locale_.toString(roundedAsShown(value, kDecimals), 'f', kDecimals));
}

double QtRegionalSettings::toDouble(std::u16string_view text) const
{
    if (direct_) {
        if (const std::optional<double> value = direct_->read(text))
            return *value;
    }
    bool ok = false;
    const double value = locale_.toDouble(toQt(text), &ok);
    // QLocale also reads "inf" and "nan", which are not numbers any box shows.
    if (!ok || !std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::TypeMismatch);
    return value;
}

} // namespace freefall

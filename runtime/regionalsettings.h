// The number format of the user's regional settings: FormatNumber at its defaults and the
// regional conversion of text back to a number.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace freefall {

class RegionalSettings
{
public:
    // Two decimals always: a POSIX locale carries no decimal count, and two is the usual one.
    static constexpr int kDecimals = 2;

    // QLocale defines the text. Where a locale writes ASCII digits in groups of fixed sizes,
    // the same text is written and read directly, several times quicker, once it has been
    // seen to agree with QLocale's; QLocaleOnly always goes through QLocale, to check that.
    enum class Path
    {
        Direct,
        QLocaleOnly
    };

    // The locale named by LC_ALL, then LC_NUMERIC, then LANG, as the C library chooses it;
    // no installed system locale is needed. No name, "C" or "POSIX" gives the C locale.
    static RegionalSettings fromEnvironment();

    // The number rules of one locale, with its digit grouping always on.
    explicit RegionalSettings(QLocale locale, Path path = Path::Direct);

    // The value with two decimals, rounded half away from zero, with the locale's decimal and
    // group separators, grouping, leading zero and minus sign.
    QString FormatNumber(double value) const;

    // The regional conversion: the inverse of FormatNumber, which also takes any shortening of
    // its text to fewer decimals. Throws RuntimeError(TypeMismatch) for text that is not a
    // finite number.
    double toDouble(QStringView text) const;

    QString decimalSeparator() const { return decimalSeparator_; }
    const QLocale &locale() const { return locale_; }
    bool usesDirectPath() const { return direct_; }

    // How the direct text groups the whole-number digits.
    struct Grouping
    {
        QString separator;
        int least = 0;          // digits in the group next to the decimal separator
        int higher = 0;         // digits in each group before it
        int leadingAtLeast = 1; // a shorter leading group joins the next ("1234,50" in es_ES)
    };

private:
    bool agreesWithQLocale() const;
    QString formatDirect(long long hundredths, bool negative) const;
    bool readDirect(QStringView text, double &value) const;

    QLocale locale_;
    QString decimalSeparator_;
    QString minus_;
    Grouping grouping_;
    bool direct_ = false;
};

} // namespace freefall

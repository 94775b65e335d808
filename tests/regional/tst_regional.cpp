// FormatNumber and the regional read-back: separators, grouping and rounding by locale, and the
// calculation's cases on QLocale, as the core's tests run them on the described formats.
#include "logic/calculation.h"
#include "runtime/qt/regional/qtregionalsettings.h"
#include "runtime/runtimeerror.h"
#include "tests/support/calculationcases.h"
#include "tests/support/localeformats.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <optional>

using freefall::NumberFormat;
using freefall::QtRegionalSettings;
using freefall::RuntimeError;
using freefall::Verdict;
using freefall::testing::CalculationCase;
using freefall::testing::FitCase;

Q_DECLARE_METATYPE(const CalculationCase *)
Q_DECLARE_METATYPE(const FitCase *)
Q_DECLARE_METATYPE(freefall::Verdict::Outcome)
Q_DECLARE_METATYPE(freefall::RuntimeError::Kind)

namespace {
const QStringList kLocales = {"C",     "en_US", "de_DE", "fr_FR", "hi_IN",
                              "de_CH", "es_ES", "sv_SE", "ar_EG"};

QtRegionalSettings settings(const QString &name)
{
    return QtRegionalSettings(name == u"C" ? QLocale::c() : QLocale(name));
}

QString format(const QtRegionalSettings &regional, double value)
{
    return QString::fromStdU16String(regional.FormatNumber(value));
}

double read(const QtRegionalSettings &regional, QStringView text)
{
    return regional.toDouble(std::u16string_view(text.utf16(), std::size_t(text.size())));
}

QString toQString(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

QString toQString(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QStringList toQStrings(const std::vector<std::u16string> &texts)
{
    QStringList out;
    for (const std::u16string &text : texts)
        out << toQString(text);
    return out;
}
} // namespace

class tst_Regional : public QObject
{
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void readsBack_data();
    void readsBack();
    void refusesNonNumbers_data();
    void refusesNonNumbers();
    void followsEnvironment_data();
    void followsEnvironment();
    void roundTripsAsShown_data();
    void roundTripsAsShown();
    void choosesDirectPath_data();
    void choosesDirectPath();
    void directPathAgreesWithQLocale_data();
    void directPathAgreesWithQLocale();
    void describedFormatsAreQLocales_data();
    void describedFormatsAreQLocales();
    void calculatesAsTheCore_data();
    void calculatesAsTheCore();
    void fitsToBoxAsTheCore_data();
    void fitsToBoxAsTheCore();
};

void tst_Regional::formats_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("en two decimals") << "en_US" << 0.5175983436853 << "0.52";
    QTest::newRow("en leading zero") << "en_US" << 0.05 << "0.05";
    QTest::newRow("en grouping") << "en_US" << 1314.704 << "1,314.70";
    QTest::newRow("en pads decimals") << "en_US" << 196.8 << "196.80";
    QTest::newRow("en millions") << "en_US" << 1234567.891 << "1,234,567.89";
    QTest::newRow("C groups like en") << "C" << 1314.704 << "1,314.70";
    QTest::newRow("de") << "de_DE" << 1314.704 << "1.314,70";
    QTest::newRow("fr narrow no-break space")
        << "fr_FR" << 1314.704 << QString::fromUtf8("1\u202f314,70");
    QTest::newRow("hi two-digit groups") << "hi_IN" << 1234567.0 << "12,34,567.00";
    QTest::newRow("en negative") << "en_US" << -2.5 << "-2.50";
    QTest::newRow("es four digits ungrouped") << "es_ES" << 1234.5 << "1234,50";
    QTest::newRow("es five digits grouped") << "es_ES" << 12345.678 << "12.345,68";
    QTest::newRow("sv minus sign") << "sv_SE" << -2.5 << QString::fromUtf8("\u22122,50");
    QTest::newRow("zero") << "en_US" << 0.0 << "0.00";
    QTest::newRow("tiny rounds to zero") << "en_US" << 1e-300 << "0.00";
    QTest::newRow("negative rounding to zero drops the sign") << "en_US" << -0.001 << "0.00";
    // Rounding is half away from zero on the decimal the double stands for.
    QTest::newRow("half up") << "en_US" << 0.125 << "0.13";
    QTest::newRow("exact quotient 12.075") << "en_US" << 233289.0 / 19320.0 << "12.08";
    QTest::newRow("1.005 as written") << "en_US" << 1.005 << "1.01";
    QTest::newRow("2.675 as written") << "en_US" << 2.675 << "2.68";
    QTest::newRow("negative half away from zero") << "en_US" << -0.125 << "-0.13";
    QTest::newRow("just below half") << "en_US" << 0.12499999 << "0.12";
    QTest::newRow("carry into the whole number") << "en_US" << 9999.995 << "10,000.00";
    QTest::newRow("half a cent") << "en_US" << 0.005 << "0.01";
    QTest::newRow("below half a cent") << "en_US" << 0.0049 << "0.00";
    QTest::newRow("large value") << "en_US" << 12345678901.0 << "12,345,678,901.00";
}

void tst_Regional::formats()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(format(settings(locale), value), expected);
}

void tst_Regional::readsBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("en") << "en_US"
                        << "1,314.70" << 1314.70;
    QTest::newRow("en cut to one decimal") << "en_US"
                                           << "127,356.0" << 127356.0;
    QTest::newRow("en no decimals") << "en_US"
                                    << "1,314,567" << 1314567.0;
    QTest::newRow("en ungrouped") << "en_US"
                                  << "1314.70" << 1314.70;
    QTest::newRow("C") << "C"
                       << "5,014.02" << 5014.02;
    QTest::newRow("de") << "de_DE"
                        << "1.314,70" << 1314.70;
    QTest::newRow("de cut") << "de_DE"
                            << "127.356,0" << 127356.0;
    QTest::newRow("fr") << "fr_FR" << QString::fromUtf8("127\u202f356,0") << 127356.0;
    QTest::newRow("hi") << "hi_IN"
                        << "12,34,567" << 1234567.0;
    QTest::newRow("ar native digits")
        << "ar_EG" << QString::fromUtf8("\u0661\u066c\u0663\u0661\u0664\u066b\u0667\u0660")
        << 1314.70;
}

void tst_Regional::readsBack()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(read(settings(locale), text), expected);
}

void tst_Regional::refusesNonNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "en_US"
                           << "";
    QTest::newRow("letters") << "en_US"
                             << "abc";
    QTest::newRow("trailing letters") << "en_US"
                                      << "12abc";
    QTest::newRow("sign only") << "en_US"
                               << "-";
    QTest::newRow("separator only") << "en_US"
                                    << ",";
    QTest::newRow("misplaced group separator") << "en_US"
                                               << "1,31.5";
    QTest::newRow("de text in en") << "en_US"
                                   << "1.314,70";
    // QLocale reads these, but no box ever shows them.
    QTest::newRow("inf") << "en_US"
                         << "inf";
    QTest::newRow("minus inf") << "en_US"
                               << "-inf";
    QTest::newRow("nan") << "de_DE"
                         << "nan";
}

void tst_Regional::refusesNonNumbers()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    try {
        const double value = read(settings(locale), text);
        QFAIL(qPrintable(QStringLiteral("accepted as %1").arg(value)));
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::TypeMismatch);
    }
}

void tst_Regional::followsEnvironment_data()
{
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcNumeric");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << "1,314.70";
    QTest::newRow("POSIX") << QByteArray("POSIX") << QByteArray() << QByteArray() << "1,314.70";
    QTest::newRow("C.UTF-8") << QByteArray() << QByteArray() << QByteArray("C.UTF-8") << "1,314.70";
    QTest::newRow("LANG") << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8")
                          << "1.314,70";
    QTest::newRow("LC_NUMERIC over LANG")
        << QByteArray() << QByteArray("de_DE.UTF-8") << QByteArray("en_US.UTF-8") << "1.314,70";
    QTest::newRow("LC_ALL over all") << QByteArray("en_US.UTF-8") << QByteArray("de_DE.UTF-8")
                                     << QByteArray("de_DE") << "1,314.70";
    QTest::newRow("grouping of LC_NUMERIC")
        << QByteArray() << QByteArray("hi_IN") << QByteArray("fr_FR.UTF-8") << "1,314.70";
    QTest::newRow("modifier") << QByteArray("de_DE@euro") << QByteArray() << QByteArray()
                              << "1.314,70";
}

void tst_Regional::followsEnvironment()
{
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcNumeric);
    QFETCH(QByteArray, lang);
    QFETCH(QString, expected);
    const auto set = [](const char *name, const QByteArray &value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    set("LC_ALL", lcAll);
    set("LC_NUMERIC", lcNumeric);
    set("LANG", lang);
    QCOMPARE(format(QtRegionalSettings::fromEnvironment(), 1314.704), expected);
    QCOMPARE(read(QtRegionalSettings::fromEnvironment(), expected), 1314.70);
}

void tst_Regional::roundTripsAsShown_data()
{
    QTest::addColumn<QString>("locale");
    for (const QString &name : kLocales)
        QTest::newRow(qPrintable(name)) << name;
}

// For many values, the read-back of the text as the box shows it equals the value rounded to
// what the box shows.
void tst_Regional::roundTripsAsShown()
{
    QFETCH(QString, locale);
    const QtRegionalSettings regional = settings(locale);
    QRandomGenerator random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const double value =
            std::ldexp(random.generateDouble(), static_cast<int>(random.bounded(-12, 24)));
        const QString shown =
            QString::fromStdU16String(freefall::fitToBox(regional.FormatNumber(value), regional));
        QVERIFY2(shown.size() <= freefall::kBoxMaxLength, qPrintable(shown));
        const QString separator =
            QString::fromStdU16String(std::u16string(regional.decimalSeparator()));
        const qsizetype point = shown.indexOf(separator);
        const int decimals = point < 0 ? 0 : int(shown.size() - point - separator.size());
        const double scale = std::pow(10.0, decimals);
        // The box drops decimals by cutting, so the figure shown is the two-decimal rounding
        // truncated to the decimals that fit.
        const double twoDecimals = std::round(value * 100.0) / 100.0;
        const double expected = std::trunc(twoDecimals * scale + 1e-6) / scale;
        const double readBack = read(regional, shown);
        QVERIFY2(std::abs(readBack - expected) <= 1e-9 * std::max(1.0, expected),
                 qPrintable(QStringLiteral("%1 shown as %2 read back as %3")
                                .arg(value, 0, 'g', 17)
                                .arg(shown)
                                .arg(readBack, 0, 'g', 17)));
    }
}

void tst_Regional::choosesDirectPath_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("direct");

    for (const char *name : {"C", "en_US", "de_DE", "fr_FR", "hi_IN", "de_CH", "sv_SE"})
        QTest::newRow(name) << name << true;
    QTest::newRow("es_ES, four digits ungrouped") << "es_ES" << true;
    QTest::newRow("pl_PL, four digits ungrouped") << "pl_PL" << true;
    QTest::newRow("ar_EG writes its own digits") << "ar_EG" << false;
}

// The quick path must not switch itself off unnoticed where it should hold.
void tst_Regional::choosesDirectPath()
{
    QFETCH(QString, locale);
    QFETCH(bool, direct);
    QCOMPARE(settings(locale).usesDirectPath(), direct);
    const QLocale qlocale = locale == u"C" ? QLocale::c() : QLocale(locale);
    QVERIFY(!QtRegionalSettings(qlocale, QtRegionalSettings::Path::QLocaleOnly).usesDirectPath());
}

void tst_Regional::directPathAgreesWithQLocale_data()
{
    QTest::addColumn<QString>("locale");
    for (const QString &name : kLocales + QStringList{"it_IT", "ru_RU", "en_IN", "he_IL", "pl_PL"})
        QTest::newRow(qPrintable(name)) << name;
}

namespace {
std::optional<double> readOrRefuse(const QtRegionalSettings &regional, QStringView text)
{
    return freefall::readOrRefuse(regional,
                                  std::u16string_view(text.utf16(), std::size_t(text.size())));
}
} // namespace

// The direct text and read-back against QLocale's: the same text for values of every size,
// sign and rounding edge, and the same verdict on every shortening of it and on random text
// made of the locale's own symbols.
void tst_Regional::directPathAgreesWithQLocale()
{
    QFETCH(QString, locale);
    const QLocale qlocale = locale == u"C" ? QLocale::c() : QLocale(locale);
    const QtRegionalSettings direct(qlocale);
    const QtRegionalSettings reference(qlocale, QtRegionalSettings::Path::QLocaleOnly);
    QRandomGenerator random(20261209);

    const auto sameReading = [&](QStringView text) {
        const std::optional<double> quick = readOrRefuse(direct, text);
        const std::optional<double> slow = readOrRefuse(reference, text);
        if (quick == slow)
            return true;
        qWarning() << text << "reads as" << (quick ? *quick : qQNaN()) << "not"
                   << (slow ? *slow : qQNaN());
        return false;
    };

    for (int i = 0; i < 6000; ++i) {
        double value = 0;
        switch (i % 3) {
        case 0: // any size
            value = std::ldexp(random.generateDouble(), int(random.bounded(-10, 48)));
            break;
        case 1: // a half hundredth, where the rounding turns
            value = (double(random.bounded(Q_INT64_C(10000000000000))) + 0.5) / 100.0;
            break;
        default: // a whole number
            value = double(random.bounded(Q_INT64_C(1000000000000)));
            break;
        }
        if (random.bounded(4) == 0)
            value = -value;
        const QString text = format(direct, value);
        QCOMPARE(text, format(reference, value));
        for (qsizetype length = text.size(); length > 0; --length)
            QVERIFY(sameReading(QStringView(text).first(length)));
    }

    const QString symbols = QStringLiteral("0123456789012345678901234567890+eE x") +
                            qlocale.groupSeparator() + qlocale.decimalPoint() +
                            qlocale.negativeSign() + qlocale.groupSeparator();
    for (int i = 0; i < 6000; ++i) {
        QString text;
        for (int length = int(random.bounded(1, 14)); length > 0; --length)
            text += symbols[int(random.bounded(int(symbols.size())))];
        QVERIFY(sameReading(text));
    }

    for (double special : {0.0, -0.0, 1e-300, -1e-300, 1e15, 1e300, qInf(), -qInf(), qQNaN()})
        QCOMPARE(format(direct, special), format(reference, special));
}

void tst_Regional::describedFormatsAreQLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<const NumberFormat *>("described");
    for (const freefall::testing::LocaleFormat &locale : freefall::testing::kLocaleFormats)
        QTest::newRow(locale.name.data()) << toQString(locale.name) << &locale.format;
}

// The core's tests run on these descriptions in place of the locales: they must be what the
// direct path finds in QLocale.
void tst_Regional::describedFormatsAreQLocales()
{
    QFETCH(QString, locale);
    QFETCH(const NumberFormat *, described);
    const QtRegionalSettings regional = settings(locale);
    const NumberFormat *actual = regional.directFormat();
    QVERIFY(actual);
    QCOMPARE(toQString(described->decimalSeparator), toQString(actual->decimalSeparator));
    QCOMPARE(toQString(described->groupSeparator), toQString(actual->groupSeparator));
    QCOMPARE(toQString(described->minusSign), toQString(actual->minusSign));
    QCOMPARE(described->decimals, actual->decimals);
    QCOMPARE(described->leastGroup, actual->leastGroup);
    QCOMPARE(described->higherGroups, actual->higherGroups);
    QCOMPARE(described->leadingAtLeast, actual->leadingAtLeast);
}

void tst_Regional::calculatesAsTheCore_data()
{
    QTest::addColumn<const CalculationCase *>("row");
    QTest::addColumn<Verdict::Outcome>("outcome");
    const auto add = [](const char *table, const std::vector<CalculationCase> &rows,
                        Verdict::Outcome outcome) {
        for (const CalculationCase &row : rows)
            QTest::addRow("%s: %s", table, row.name) << &row << outcome;
    };
    add("shows", freefall::testing::kShows, Verdict::Outcome::Show);
    add("clears", freefall::testing::kClears, Verdict::Outcome::Clear);
    add("stops", freefall::testing::kStops, Verdict::Outcome::Stop);
}

// The calculation's cases on QLocale, both on the direct path and through QLocale alone.
void tst_Regional::calculatesAsTheCore()
{
    QFETCH(const CalculationCase *, row);
    QFETCH(Verdict::Outcome, outcome);
    const QLocale qlocale = row->locale == "C" ? QLocale::c() : QLocale(toQString(row->locale));
    for (const auto path :
         {QtRegionalSettings::Path::Direct, QtRegionalSettings::Path::QLocaleOnly}) {
        const QtRegionalSettings regional(qlocale, path);
        const Verdict verdict =
            freefall::calculate(row->mode, row->imperial, row->metric, regional);
        QCOMPARE(verdict.outcome, outcome);
        QCOMPARE(toQStrings(freefall::testing::writesOf(verdict)), toQStrings(row->writes));
        if (outcome == Verdict::Outcome::Stop)
            QCOMPARE(verdict.fault, row->fault);
    }
}

void tst_Regional::fitsToBoxAsTheCore_data()
{
    QTest::addColumn<const FitCase *>("row");
    for (const FitCase &row : freefall::testing::kFitsToBox)
        QTest::newRow(row.name) << &row;
}

void tst_Regional::fitsToBoxAsTheCore()
{
    QFETCH(const FitCase *, row);
    const QtRegionalSettings regional = settings(toQString(row->locale));
    const std::u16string formatted(row->formatted);
    if (row->shown.empty()) {
        try {
            const QString shown = toQString(freefall::fitToBox(formatted, regional));
            QFAIL(qPrintable(QStringLiteral("shown as %1").arg(shown)));
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), RuntimeError::Kind::TooLargeForBox);
        }
    } else {
        QCOMPARE(toQString(freefall::fitToBox(formatted, regional)), toQString(row->shown));
    }
}

QTEST_APPLESS_MAIN(tst_Regional)
#include "tst_regional.moc"

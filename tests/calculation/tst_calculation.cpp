// The calculation core: the figures Calculate shows, the cut to the box, and where it stops.
#include "calculation.h"

#include <QTest>

using namespace freefall;

Q_DECLARE_METATYPE(freefall::UnitMode)
Q_DECLARE_METATYPE(freefall::Verdict::Outcome)
Q_DECLARE_METATYPE(freefall::RuntimeError::Kind)

namespace {
// The writes of a verdict as "box=text" in the order they are made.
QStringList writesOf(const Verdict &verdict)
{
    static const char *names[] = {"fpm", "mps", "in", "mm"};
    QStringList out;
    for (int i = 0; i < verdict.writeCount; ++i) {
        const BoxWrite &write = verdict.writes[static_cast<std::size_t>(i)];
        out << QString::fromLatin1(names[static_cast<int>(write.box)]) + u'=' + write.text;
    }
    return out;
}

RegionalSettings settings(const QString &name)
{
    return RegionalSettings(name == u"C" ? QLocale::c() : QLocale(name));
}
} // namespace

class tst_Calculation : public QObject
{
    Q_OBJECT

private slots:
    void shows_data();
    void shows();
    void clears_data();
    void clears();
    void stops_data();
    void stops();
    void fitsToBox_data();
    void fitsToBox();
    void fitToBoxRefusesLongWholeNumbers_data();
    void fitToBoxRefusesLongWholeNumbers();
};

void tst_Calculation::shows_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<UnitMode>("mode");
    QTest::addColumn<QString>("imperial");
    QTest::addColumn<QString>("metric");
    QTest::addColumn<QStringList>("writes");

    const auto I = UnitMode::Imperial;
    const auto M = UnitMode::Metric;
    QTest::newRow("100 fpm: mm from the inches shown") << "en_US" << I << "100" << "" << QStringList{"in=0.52", "mm=13.21", "mps=0.51"};
    QTest::newRow("1000 fpm") << "en_US" << I << "1000" << "" << QStringList{"in=51.76", "mm=1,314.70", "mps=5.08"};
    QTest::newRow("1 m/s: inches from the mm shown") << "en_US" << M << "" << "1" << QStringList{"mm=50.94", "in=2.01", "fpm=196.85"};
    QTest::newRow("50 m/s: mm cut, inches from the cut text") << "en_US" << M << "" << "50" << QStringList{"mm=127,356.0", "in=5,014.02", "fpm=9,842.52"};
    QTest::newRow("10000 fpm: mm cut") << "en_US" << I << "10000" << "" << QStringList{"in=5,175.98", "mm=131,469.8", "mps=50.80"};
    QTest::newRow("483 fpm: exact 12.075 rounds up") << "en_US" << I << "483" << "" << QStringList{"in=12.08", "mm=306.83", "mps=2.45"};
    QTest::newRow("12abc computes with 12") << "en_US" << I << "12abc" << "" << QStringList{"in=0.01", "mm=0.25", "mps=0.06"};
    QTest::newRow("1,000 computes with 1") << "en_US" << I << "1,000" << "" << QStringList{"in=0.00", "mm=0.00", "mps=0.01"};
    QTest::newRow("blanks skipped") << "en_US" << I << "1 0 0" << "" << QStringList{"in=0.52", "mm=13.21", "mps=0.51"};
    QTest::newRow("other box ignored in Imperial") << "en_US" << I << "100" << "5.08" << QStringList{"in=0.52", "mm=13.21", "mps=0.51"};
    QTest::newRow("other box ignored in Metric") << "en_US" << M << "196.85" << "1" << QStringList{"mm=50.94", "in=2.01", "fpm=196.85"};
    QTest::newRow("C locale groups") << "C" << I << "1000" << "" << QStringList{"in=51.76", "mm=1,314.70", "mps=5.08"};
    QTest::newRow("de") << "de_DE" << I << "1000" << "" << QStringList{"in=51,76", "mm=1.314,70", "mps=5,08"};
    QTest::newRow("de: speed still read with a point") << "de_DE" << M << "" << "1.5" << QStringList{"mm=114,62", "in=4,51", "fpm=295,28"};
    QTest::newRow("fr cut") << "fr_FR" << M << "" << "50" << QStringList{QString::fromUtf8("mm=127\u202f356,0"), QString::fromUtf8("in=5\u202f014,02"), QString::fromUtf8("fpm=9\u202f842,52")};
    QTest::newRow("hi") << "hi_IN" << M << "" << "200" << QStringList{"mm=20,37,697", "in=80,224.29", "fpm=39,370.08"};
    QTest::newRow("hex speed") << "en_US" << I << "&H64" << "" << QStringList{"in=0.52", "mm=13.21", "mps=0.51"};
    QTest::newRow("exponent speed") << "en_US" << M << "" << "1E1" << QStringList{"mm=5,094.24", "in=200.56", "fpm=1,968.50"};
    QTest::newRow("tiny speed shows zeros") << "en_US" << I << "1E-200" << "" << QStringList{"in=0.00", "mm=0.00", "mps=0.00"};
}

void tst_Calculation::shows()
{
    QFETCH(QString, locale);
    QFETCH(UnitMode, mode);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);
    QFETCH(QStringList, writes);
    const Verdict verdict = calculate(mode, imperial, metric, settings(locale));
    QCOMPARE(verdict.outcome, Verdict::Outcome::Show);
    QCOMPARE(writesOf(verdict), writes);
}

void tst_Calculation::clears_data()
{
    QTest::addColumn<UnitMode>("mode");
    QTest::addColumn<QString>("imperial");
    QTest::addColumn<QString>("metric");

    QTest::newRow("empty") << UnitMode::Imperial << "" << "";
    QTest::newRow("zero") << UnitMode::Imperial << "0" << "";
    QTest::newRow("negative") << UnitMode::Imperial << "-5" << "";
    QTest::newRow("not a number") << UnitMode::Imperial << "abc" << "";
    QTest::newRow("keyword") << UnitMode::Imperial << "zinc" << "";
    QTest::newRow("negative hex") << UnitMode::Imperial << "&HFFFF" << "";
    QTest::newRow("other box positive") << UnitMode::Imperial << "" << "5";
    QTest::newRow("metric empty") << UnitMode::Metric << "100" << "";
    QTest::newRow("metric negative") << UnitMode::Metric << "" << "-0.1";
}

void tst_Calculation::clears()
{
    QFETCH(UnitMode, mode);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);
    const Verdict verdict = calculate(mode, imperial, metric, settings("en_US"));
    QCOMPARE(verdict.outcome, Verdict::Outcome::Clear);
    QCOMPARE(verdict.writeCount, 0);
}

void tst_Calculation::stops_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<UnitMode>("mode");
    QTest::addColumn<QString>("imperial");
    QTest::addColumn<QString>("metric");
    QTest::addColumn<RuntimeError::Kind>("fault");
    QTest::addColumn<QStringList>("writes");

    const auto I = UnitMode::Imperial;
    const auto M = UnitMode::Metric;
    const auto overflow = RuntimeError::Kind::Overflow;
    const auto tooLarge = RuntimeError::Kind::TooLargeForBox;
    QTest::newRow("Val overflow") << "en_US" << I << "1E309" << "" << overflow << QStringList{};
    QTest::newRow("Val overflow of the other box") << "en_US" << I << "100" << "1E309" << overflow << QStringList{};
    QTest::newRow("square overflows") << "en_US" << I << "1E200" << "" << overflow << QStringList{};
    QTest::newRow("quotient overflows") << "en_US" << M << "" << "1.2E154" << overflow << QStringList{};
    // Results whose whole-number part cannot show in nine characters stop like an overflow.
    QTest::newRow("inches too large") << "en_US" << I << "999999" << "" << tooLarge << QStringList{};
    QTest::newRow("mm too large after inches") << "en_US" << I << "99999" << "" << tooLarge << QStringList{"in=517,587.9"};
    QTest::newRow("mm too large") << "en_US" << M << "" << "999" << tooLarge << QStringList{};
    QTest::newRow("huge speed stops at the first distance") << "en_US" << M << "" << "55555" << tooLarge << QStringList{};
    QTest::newRow("50,942,435.05 mm is not shown as 50,942,43") << "en_US" << M << "" << "1000" << tooLarge << QStringList{};
}

void tst_Calculation::stops()
{
    QFETCH(QString, locale);
    QFETCH(UnitMode, mode);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);
    QFETCH(RuntimeError::Kind, fault);
    QFETCH(QStringList, writes);
    const Verdict verdict = calculate(mode, imperial, metric, settings(locale));
    QCOMPARE(verdict.outcome, Verdict::Outcome::Stop);
    QCOMPARE(verdict.fault, fault);
    QCOMPARE(writesOf(verdict), writes);
}

void tst_Calculation::fitsToBox_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("formatted");
    QTest::addColumn<QString>("shown");

    QTest::newRow("fits") << "en_US" << "1,314.70" << "1,314.70";
    QTest::newRow("nine characters") << "en_US" << "12,345.67" << "12,345.67";
    QTest::newRow("drops a decimal") << "en_US" << "127,356.09" << "127,356.0";
    QTest::newRow("drops both decimals and the point") << "en_US" << "1,234,567.89" << "1,234,567";
    QTest::newRow("drops the dangling point") << "C" << "8,765,432.10" << "8,765,432";
    QTest::newRow("de dangling comma") << "de_DE" << "9.999.999,99" << "9.999.999";
    QTest::newRow("hi") << "hi_IN" << "12,34,567.89" << "12,34,567";
    QTest::newRow("ungrouped whole number of eight") << "es_ES" << "1234,56" << "1234,56";
}

void tst_Calculation::fitsToBox()
{
    QFETCH(QString, locale);
    QFETCH(QString, formatted);
    QFETCH(QString, shown);
    QCOMPARE(fitToBox(formatted, settings(locale)), shown);
}

void tst_Calculation::fitToBoxRefusesLongWholeNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("formatted");

    QTest::newRow("ten-character whole number") << "en_US" << "50,942,435.05";
    QTest::newRow("no decimal separator") << "en_US" << "12,345,678";
    QTest::newRow("de") << "de_DE" << "10.000.000,00";
    QTest::newRow("hi") << "hi_IN" << "1,23,45,678.00";
}

void tst_Calculation::fitToBoxRefusesLongWholeNumbers()
{
    QFETCH(QString, locale);
    QFETCH(QString, formatted);
    try {
        const QString shown = fitToBox(formatted, settings(locale));
        QFAIL(qPrintable(QStringLiteral("shown as %1").arg(shown)));
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::TooLargeForBox);
    }
}

QTEST_APPLESS_MAIN(tst_Calculation)
#include "tst_calculation.moc"

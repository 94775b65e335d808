// Val: the leading number of a text, read the same whatever the regional settings.
#include "runtimeerror.h"
#include "val.h"

#include <QTest>

#include <limits>

using freefall::RuntimeError;
using freefall::Val;

class tst_Val : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void overflows_data();
    void overflows();
    void ignoresRegionalSettings();
};

void tst_Val::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << "100" << 100.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("comma ends the number") << "1,000" << 1.0;
    QTest::newRow("blanks between digits") << "1 0 0" << 100.0;
    QTest::newRow("leading blanks") << "   42" << 42.0;
    QTest::newRow("tab and line feed skipped") << "4\t2\n5" << 425.0;
    QTest::newRow("carriage return ends") << "4\r2" << 4.0;
    QTest::newRow("decimal point") << "3.25" << 3.25;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("two signs") << "+-7" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent e") << "2e2" << 200.0;
    QTest::newRow("exponent D") << "1D3" << 1000.0;
    QTest::newRow("exponent d negative") << "5d-1" << 0.5;
    QTest::newRow("exponent with plus") << "1E+2" << 100.0;
    QTest::newRow("exponent without digits") << "7E" << 7.0;
    QTest::newRow("exponent sign without digits") << "7E+" << 7.0;
    QTest::newRow("exponent blanked") << "1 E 2" << 100.0;
    QTest::newRow("exponent without mantissa") << "E5" << 0.0;
    QTest::newRow("underflow is zero") << "1E-400" << 0.0;
    QTest::newRow("largest double") << "1.7E308" << 1.7e308;
    QTest::newRow("hex") << "&HFF" << 255.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex 16-bit is signed") << "&HFFFF" << -1.0;
    QTest::newRow("hex 16-bit high bit") << "&H8000" << -32768.0;
    QTest::newRow("hex beyond 16 bits") << "&H10000" << 65536.0;
    QTest::newRow("hex 32-bit is signed") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O18" << 1.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("unknown prefix") << "&X12" << 0.0;
    QTest::newRow("non-ASCII digits are not digits") << QString::fromUtf8("\u0661\u0662") << 0.0;
    QTest::newRow("keyword") << "zinc" << 0.0;
}

void tst_Val::reads()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text), expected);
}

void tst_Val::overflows_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("exponent") << "1E309";
    QTest::newRow("negative exponent form") << "-9D999";
    QTest::newRow("huge exponent") << "1E99999999999";
    QTest::newRow("hex beyond 32 bits") << "&H100000000";
    QTest::newRow("octal beyond 32 bits") << "&O77777777777";
}

void tst_Val::overflows()
{
    QFETCH(QString, text);
    try {
        const double value = Val(text);
        QFAIL(qPrintable(QStringLiteral("no overflow, got %1").arg(value)));
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::Overflow);
    }
}

void tst_Val::ignoresRegionalSettings()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(Val(u"1,5"), 1.0);
    QCOMPARE(Val(u"1.5"), 1.5);
    QLocale::setDefault(QLocale::c());
}

QTEST_APPLESS_MAIN(tst_Val)
#include "tst_val.moc"

// The command-line contract of the built freefall executable: output lines and exit codes.
#include <QProcess>
#include <QTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void usageGoesToStandardOutput();
};

void tst_CommandLine::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // exact standard output; error output is one line when it is empty

    const QString none;
    QTest::newRow("imperial 100") << QStringList{"--imperial", "100"} << none << 0 << "FPM 100\nMPS 0.51\nIN 0.52\nMM 13.21\n";
    QTest::newRow("imperial 1000") << QStringList{"--imperial", "1000"} << none << 0 << "FPM 1000\nMPS 5.08\nIN 51.76\nMM 1,314.70\n";
    QTest::newRow("metric 1") << QStringList{"--metric", "1"} << none << 0 << "FPM 196.85\nMPS 1\nIN 2.01\nMM 50.94\n";
    QTest::newRow("metric 50 cut") << QStringList{"--metric", "50"} << none << 0 << "FPM 9,842.52\nMPS 50\nIN 5,014.02\nMM 127,356.0\n";
    QTest::newRow("typed text kept as typed") << QStringList{"--imperial", "12abc"} << none << 0 << "FPM 12abc\nMPS 0.06\nIN 0.01\nMM 0.25\n";
    QTest::newRow("de") << QStringList{"--imperial", "1000"} << "de_DE.UTF-8" << 0 << "FPM 1000\nMPS 5,08\nIN 51,76\nMM 1.314,70\n";
    QTest::newRow("fr") << QStringList{"--metric", "50"} << "fr_FR.UTF-8" << 0
                        << QString::fromUtf8("FPM 9\u202f842,52\nMPS 50\nIN 5\u202f014,02\nMM 127\u202f356,0\n");
    QTest::newRow("nine characters") << QStringList{"--imperial", "100000000"} << none << 3 << "";
    QTest::newRow("negative") << QStringList{"--imperial", "-5"} << none << 1 << "";
    QTest::newRow("zero") << QStringList{"--metric", "0"} << none << 1 << "";
    QTest::newRow("empty text") << QStringList{"--metric", ""} << none << 1 << "";
    QTest::newRow("not a number") << QStringList{"--imperial", "abc"} << none << 1 << "";
    QTest::newRow("keyword") << QStringList{"--imperial", "arrow"} << none << 1 << "";
    QTest::newRow("overflow") << QStringList{"--imperial", "1E200"} << none << 3 << "";
    QTest::newRow("Val overflow") << QStringList{"--metric", "1E999"} << none << 3 << "";
    QTest::newRow("too large for its box") << QStringList{"--metric", "1000"} << none << 3 << "";
    QTest::newRow("ten characters") << QStringList{"--imperial", "1234567890"} << none << 2 << "";
    QTest::newRow("missing text") << QStringList{"--metric"} << none << 2 << "";
    QTest::newRow("unknown option") << QStringList{"--speed", "5"} << none << 2 << "";
    QTest::newRow("extra argument") << QStringList{"--imperial", "5", "6"} << none << 2 << "";
    QTest::newRow("version") << QStringList{"--version"} << none << 0 << "Freefall 1.00\n";
}

void tst_CommandLine::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(int, exitCode);
    QFETCH(QString, out);

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LC_ALL");
    env.remove("LC_NUMERIC");
    env.remove("LANG");
    if (!locale.isEmpty())
        env.insert("LC_ALL", locale);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(FREEFALL_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString stdOut = QString::fromUtf8(process.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), exitCode);
    QCOMPARE(stdOut, out);
    if (exitCode == 0) {
        QCOMPARE(stdErr, QString());
    } else {
        // One clear line on standard error.
        QVERIFY2(stdErr.endsWith(u'\n') && stdErr.count(u'\n') == 1, qPrintable(stdErr));
        QVERIFY(stdErr.startsWith(u"freefall: "));
    }
}

void tst_CommandLine::usageGoesToStandardOutput()
{
    QProcess process;
    process.start(QStringLiteral(FREEFALL_EXECUTABLE), {"--help"});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray usage = process.readAllStandardOutput();
    QVERIFY(usage.contains("--imperial TEXT"));
    QVERIFY(usage.contains("--metric TEXT"));
    QVERIFY(process.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"

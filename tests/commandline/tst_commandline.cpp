// The command-line contract of the built freefall executable: output lines and exit codes.
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void usageGoesToStandardOutput();
    void textBytes_data();
    void textBytes();
    void textInLatin1Locale_data();
    void textInLatin1Locale();
    void outputNotWritten_data();
    void outputNotWritten();
};

namespace {

// TEXT handed over byte for byte: QProcess would encode the arguments as UTF-8, so a shell's
// printf makes them from octal escapes.
QStringList shellWithBytes(const QByteArray &text)
{
    QString escaped;
    for (const char byte : text)
        escaped += QString::asprintf("\\%03o", static_cast<unsigned char>(byte));
    return {u"-c"_qs, u"exec \"$0\" --imperial \"$(printf \"$1\")\""_qs,
            QStringLiteral(FREEFALL_EXECUTABLE), escaped};
}

struct Finished
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Finished runShell(const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(u"/bin/sh"_qs, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QProcessEnvironment environmentWithLocale(const QString &locale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_CTYPE", "LC_NUMERIC", "LANG", "LOCPATH"})
        env.remove(QString::fromLatin1(name));
    if (!locale.isEmpty())
        env.insert(u"LC_ALL"_qs, locale);
    return env;
}

// A usage error is one line on standard error and nothing on standard output.
bool isOneErrorLine(const Finished &finished)
{
    return finished.out.isEmpty() && finished.err.startsWith("freefall: ") &&
           finished.err.count('\n') == 1 && finished.err.endsWith('\n');
}

} // namespace

void tst_CommandLine::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>(
        "out"); // exact standard output; error output is one line when it is empty

    const QString none;
    QTest::newRow("imperial 100") << QStringList{"--imperial", "100"} << none << 0
                                  << "FPM 100\nMPS 0.51\nIN 0.52\nMM 13.21\n";
    QTest::newRow("imperial 1000") << QStringList{"--imperial", "1000"} << none << 0
                                   << "FPM 1000\nMPS 5.08\nIN 51.76\nMM 1,314.70\n";
    QTest::newRow("metric 1") << QStringList{"--metric", "1"} << none << 0
                              << "FPM 196.85\nMPS 1\nIN 2.01\nMM 50.94\n";
    QTest::newRow("metric 50 cut") << QStringList{"--metric", "50"} << none << 0
                                   << "FPM 9,842.52\nMPS 50\nIN 5,014.02\nMM 127,356.0\n";
    QTest::newRow("typed text kept as typed") << QStringList{"--imperial", "12abc"} << none << 0
                                              << "FPM 12abc\nMPS 0.06\nIN 0.01\nMM 0.25\n";
    QTest::newRow("de") << QStringList{"--imperial", "1000"} << "de_DE.UTF-8" << 0
                        << "FPM 1000\nMPS 5,08\nIN 51,76\nMM 1.314,70\n";
    QTest::newRow("fr") << QStringList{"--metric", "50"} << "fr_FR.UTF-8" << 0
                        << QString::fromUtf8(
                               "FPM 9\u202f842,52\nMPS 50\nIN 5\u202f014,02\nMM 127\u202f356,0\n");
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
    // Only Qt's own options, each with its value, open the window; near misses are ours to refuse.
    QTest::newRow("not a Qt option") << QStringList{"-stile", "Fusion"} << none << 2 << "";
    QTest::newRow("Qt option without its value") << QStringList{"-style"} << none << 2 << "";
    QTest::newRow("Qt option with = it does not take")
        << QStringList{"-platform=offscreen"} << none << 2 << "";
    QTest::newRow("Qt option before ours")
        << QStringList{"-reverse", "--imperial", "100"} << none << 2 << "";
    QTest::newRow("Qt option after ours")
        << QStringList{"--imperial", "100", "-reverse"} << none << 2 << "";
    QTest::newRow("version") << QStringList{"--version"} << none << 0
                             << "Freefall " FREEFALL_TEST_VERSION "\n";
    // A box takes no control character, so TEXT with one is a usage error: the output would
    // otherwise break its four lines or reach the terminal as a command.
    QTest::newRow("newline") << QStringList{"--imperial", "1\n00"} << none << 2 << "";
    QTest::newRow("carriage return") << QStringList{"--imperial", "100\r"} << none << 2 << "";
    QTest::newRow("tab") << QStringList{"--metric", "1\t0"} << none << 2 << "";
    QTest::newRow("escape sequence") << QStringList{"--imperial", "5\x1b[2J"} << none << 2 << "";
    QTest::newRow("DEL") << QStringList{"--imperial", "5\x7f"} << none << 2 << "";
    QTest::newRow("C1 NEL") << QStringList{"--imperial", u"5\u0085"_qs} << u"C.UTF-8"_qs << 2 << "";
    QTest::newRow("C1 CSI") << QStringList{"--metric", u"\u009b2J"_qs} << u"C.UTF-8"_qs << 2 << "";
    QTest::newRow("C1 last") << QStringList{"--metric", u"1\u009f"_qs} << none << 2 << "";
    QTest::newRow("control character in ten")
        << QStringList{"--imperial", "123456789\n"} << none << 2 << "";
    QTest::newRow("letters beyond ASCII")
        << QStringList{"--imperial", u"5\u00e9\u20ac"_qs} << u"C.UTF-8"_qs << 0
        << u"FPM 5\u00e9\u20ac\nMPS 0.03\nIN 0.00\nMM 0.00\n"_qs;
    QTest::newRow("no-break space is no control character")
        << QStringList{"--imperial", u"5\u00a0"_qs} << u"C.UTF-8"_qs << 0
        << u"FPM 5\u00a0\nMPS 0.03\nIN 0.00\nMM 0.00\n"_qs;
    // Nor a character that would reorder or break the output it is echoed into; the neighbours
    // of each range are ordinary text.
    const QString utf8 = u"C.UTF-8"_qs;
    for (const char16_t refused : {u'\u061c', u'\u200e', u'\u200f', u'\u2028', u'\u2029', u'\u202a',
                                   u'\u202e', u'\u2066', u'\u2069'}) {
        QTest::addRow("U+%04X", unsigned(refused))
            << QStringList{"--imperial", u"5"_qs + QChar(refused)} << utf8 << 2 << "";
    }
    for (const char16_t taken :
         {u'\u061b', u'\u061d', u'\u200d', u'\u2027', u'\u202f', u'\u2065', u'\u206a'}) {
        QTest::addRow("U+%04X taken", unsigned(taken))
            << QStringList{"--imperial", u"5"_qs + QChar(taken)} << utf8 << 0
            << u"FPM 5"_qs + QChar(taken) + u"\nMPS 0.03\nIN 0.00\nMM 0.00\n"_qs;
    }
}

void tst_CommandLine::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(int, exitCode);
    QFETCH(QString, out);

    QProcess process;
    process.setProcessEnvironment(environmentWithLocale(locale));
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
    QVERIFY(usage.contains("4 the output could not be written"));
    QVERIFY(process.readAllStandardError().isEmpty());
}

void tst_CommandLine::textBytes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("exitCode");

    struct Row
    {
        const char *name;
        QByteArray text;
        int exitCode;
    };
    const Row utf8Rows[] = {
        {"valid UTF-8", "5\xc3\xa9", 0},          {"stray byte", "\xff", 2},
        {"stray byte after digits", "12\xfe", 2}, {"continuation byte alone", "1\x80", 2},
        {"sequence cut short", "5\xe2\x82", 2},   {"overlong slash", "\xc0\xaf", 2},
        {"encoded surrogate", "\xed\xa0\x80", 2}, {"beyond U+10FFFF", "\xf4\x90\x80\x80", 2},
        {"C1 as UTF-8", "5\xc2\x9b", 2},
    };
    for (const Row &row : utf8Rows)
        QTest::addRow("C.UTF-8: %s", row.name) << row.text << u"C.UTF-8"_qs << row.exitCode;
    // Without a locale, or in C or POSIX, the bytes are read as UTF-8 too.
    for (const char *locale : {"C", "POSIX", ""}) {
        QTest::addRow("%s: valid UTF-8", locale) << QByteArray("5\xc3\xa9") << locale << 0;
        QTest::addRow("%s: sequence cut short", locale) << QByteArray("5\xe2\x82") << locale << 2;
    }
    // A locale that is not installed cannot say its encoding either.
    QTest::newRow("uninstalled locale: stray byte")
        << QByteArray("5\xff") << u"xx_YY.UTF-8"_qs << 2;
}

// Old behaviour was to print U+FFFD in place of the bytes and report success.
void tst_CommandLine::textBytes()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, locale);
    QFETCH(int, exitCode);

    const Finished finished = runShell(shellWithBytes(text), environmentWithLocale(locale));
    QCOMPARE(finished.exitCode, exitCode);
    if (exitCode == 0) {
        QCOMPARE(finished.out, QByteArray("FPM ") + text + "\nMPS 0.03\nIN 0.00\nMM 0.00\n");
        QVERIFY(finished.err.isEmpty());
    } else {
        QVERIFY2(isOneErrorLine(finished), finished.err.constData());
        QVERIFY(finished.err.contains("encoding") || finished.err.contains("control"));
    }
}

void tst_CommandLine::textInLatin1Locale_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");

    QTest::newRow("e acute") << QByteArray("5\xe9") << 0
                             << QByteArray("FPM 5\xc3\xa9\nMPS 0.03\nIN 0.00\nMM 0.00\n");
    QTest::newRow("bytes that are not UTF-8") << QByteArray("\xff\xfe") << 1 << QByteArray();
    QTest::newRow("C1 NEL") << QByteArray("5\x85") << 2 << QByteArray();
}

// In a single-byte locale every byte is a character; C1 controls remain controls.
void tst_CommandLine::textInLatin1Locale()
{
    QFETCH(QByteArray, text);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);

    QTemporaryDir locales;
    QVERIFY(locales.isValid());
    QProcess localedef;
    localedef.start(u"localedef"_qs, {u"-i"_qs, u"POSIX"_qs, u"-f"_qs, u"ISO-8859-1"_qs,
                                      locales.filePath(u"latin1"_qs)});
    if (!localedef.waitForFinished(30000) || localedef.exitStatus() != QProcess::NormalExit ||
        !QFileInfo::exists(locales.filePath(u"latin1"_qs)))
        QSKIP("localedef cannot make an ISO-8859-1 locale here");

    QProcessEnvironment env = environmentWithLocale(u"latin1"_qs);
    env.insert(u"LOCPATH"_qs, locales.path());
    const Finished finished = runShell(shellWithBytes(text), env);
    QCOMPARE(finished.exitCode, exitCode);
    QCOMPARE(finished.out, out);
}

void tst_CommandLine::outputNotWritten_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("redirection");
    QTest::addColumn<int>("exitCode");

    const QStringList result{"--imperial", "100"};
    QTest::newRow("result, full device") << result << u">/dev/full"_qs << 4;
    QTest::newRow("result, closed") << result << u">&-"_qs << 4;
    QTest::newRow("help, full device") << QStringList{"--help"} << u">/dev/full"_qs << 4;
    QTest::newRow("version, closed") << QStringList{"--version"} << u">&-"_qs << 4;
    // Nothing to write: the error stands.
    QTest::newRow("not positive, full device")
        << QStringList{"--metric", "0"} << u">/dev/full"_qs << 1;
    QTest::newRow("usage error, closed") << QStringList{"--speed"} << u">&-"_qs << 2;
}

// Before, the lost result exited 0, which says it was printed.
void tst_CommandLine::outputNotWritten()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, redirection);
    QFETCH(int, exitCode);

    const QStringList shell = QStringList{u"-c"_qs, u"exec \"$@\" "_qs + redirection, u"sh"_qs,
                                          QStringLiteral(FREEFALL_EXECUTABLE)} +
                              arguments;
    const Finished finished = runShell(shell, environmentWithLocale({}));
    QCOMPARE(finished.exitCode, exitCode);
    QVERIFY2(isOneErrorLine(finished), finished.err.constData());
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"

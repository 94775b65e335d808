// freefall --imperial - and --metric -, run as a script runs them: every line as the single
// run of its text prints it, in several locales; the exit status; a reader that goes away.
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>

class tst_BatchForm : public QObject
{
    Q_OBJECT

private slots:
    void sameAsSingleRuns_data();
    void sameAsSingleRuns();
    void readerGone();
    void usageShowsTheForm();
};

namespace {

struct Finished
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QProcessEnvironment environmentWithLocale(const QString &locale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_CTYPE", "LC_NUMERIC", "LANG"})
        env.remove(QString::fromLatin1(name));
    if (!locale.isEmpty())
        env.insert(u"LC_ALL"_qs, locale);
    return env;
}

Finished runFreefall(const QStringList &arguments, const QString &locale,
                     const QByteArray &input = {})
{
    QProcess process;
    process.setProcessEnvironment(environmentWithLocale(locale));
    process.start(QStringLiteral(FREEFALL_EXECUTABLE), arguments);
    if (!process.waitForStarted(10000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// Results in every size a box shows, cut ones, each kind of refusal, and text beyond ASCII.
const QStringList kSpeeds = {
    u"100"_qs,     u"1000"_qs,       u"0.5"_qs,       u"12abc"_qs,    u"1,000"_qs, u" 7 "_qs,
    u"50"_qs,      u"8722"_qs,       u"10000"_qs,     u"44.3"_qs,     u"1E3"_qs,   u"&H10"_qs,
    u"5\u00e9"_qs, u"-5"_qs,         u"0"_qs,         u""_qs,         u"abc"_qs,   u"1E200"_qs,
    u"1000000"_qs, u"1234567890"_qs, u"123456.78"_qs, u"1\u202e0"_qs,
};

} // namespace

void tst_BatchForm::sameAsSingleRuns_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("locale");
    for (const char *locale : {"C", "en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "hi_IN.UTF-8"}) {
        for (const char *mode : {"--imperial", "--metric"})
            QTest::addRow("%s %s", locale, mode) << QString::fromLatin1(mode) << locale;
    }
}

// Each output line is the single run's four texts joined by tabs, or four empty fields; the
// status is the first refused line's; each refusal is one numbered line on standard error.
void tst_BatchForm::sameAsSingleRuns()
{
    QFETCH(QString, mode);
    QFETCH(QString, locale);

    QByteArray expected;
    QByteArray input;
    int expectedStatus = 0;
    QList<int> refusedLines;
    for (qsizetype i = 0; i < kSpeeds.size(); ++i) {
        const Finished single = runFreefall({mode, kSpeeds[i]}, locale);
        QVERIFY2(single.exitCode >= 0, "the single run did not finish");
        if (single.exitCode == 0) {
            QList<QByteArray> fields;
            for (const QByteArray &line : single.out.split('\n')) {
                if (!line.isEmpty())
                    fields.append(line.mid(line.indexOf(' ') + 1));
            }
            QCOMPARE(fields.size(), 4);
            expected += fields.join('\t') + '\n';
        } else {
            expected += "\t\t\t\n";
            refusedLines.append(int(i + 1));
            if (expectedStatus == 0)
                expectedStatus = single.exitCode;
        }
        // Every other line ends in CR LF.
        input += kSpeeds[i].toUtf8() + (i % 2 ? "\r\n" : "\n");
    }
    QVERIFY(!refusedLines.isEmpty() && refusedLines.size() < kSpeeds.size());

    const Finished batch = runFreefall({mode, u"-"_qs}, locale, input);
    QCOMPARE(batch.out, expected);
    QCOMPARE(batch.exitCode, expectedStatus);
    const QList<QByteArray> errors = batch.err.split('\n');
    QCOMPARE(errors.size(), refusedLines.size() + 1);
    for (qsizetype i = 0; i < refusedLines.size(); ++i)
        QVERIFY2(
            errors[i].startsWith("freefall: line " + QByteArray::number(refusedLines[i]) + ": "),
            errors[i].constData());

    // The same lines without a line end after the last.
    input.chop(input.endsWith("\r\n") ? 2 : 1);
    QCOMPARE(runFreefall({mode, u"-"_qs}, locale, input).out, expected);
}

// freefall --imperial - < speeds | head -n 1: the write that finds the reader gone ends the
// run with status 4 and one line that says so, rather than a signal or a run to the end.
void tst_BatchForm::readerGone()
{
    QTemporaryFile speeds;
    QVERIFY(speeds.open());
    for (int i = 1; i <= 200000; ++i)
        speeds.write(QByteArray::number(i % 5000 + 1) + '\n');
    speeds.close();

    QProcess shell;
    shell.setProcessEnvironment(environmentWithLocale(u"C"_qs));
    // The shell reports freefall's own exit status, after head has taken its line and gone.
    shell.start(u"/bin/bash"_qs, {u"-c"_qs,
                                  u"\"$0\" --imperial - <\"$1\" 2>\"$1.err\" | head -n 1; "
                                  "echo \"${PIPESTATUS[0]}\"; cat \"$1.err\"; rm -f \"$1.err\""_qs,
                                  QStringLiteral(FREEFALL_EXECUTABLE), speeds.fileName()});
    QVERIFY(shell.waitForFinished(30000));
    const QList<QByteArray> lines = shell.readAllStandardOutput().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QByteArray("2\t0.01\t0.00\t0.00"));
    QCOMPARE(lines[1], QByteArray("4"));
    QCOMPARE(lines[2], QByteArray("freefall: cannot write to standard output: Broken pipe"));
}

void tst_BatchForm::usageShowsTheForm()
{
    const Finished help = runFreefall({u"--help"_qs}, u"C"_qs);
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("freefall --imperial -"));
    QVERIFY(help.out.contains("freefall --metric -"));
    QVERIFY(help.out.contains("seq 100 100 1000 | freefall --imperial -"));
}

QTEST_GUILESS_MAIN(tst_BatchForm)
#include "tst_batchform.moc"

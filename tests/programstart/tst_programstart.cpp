// The program's start, seen from outside: what a calculation maps into the process, what
// opens the window, and what happens when the window's module is missing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

class tst_ProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void commandLineLoadsNoWindowLibrary();
    void qtOptionsOpenTheWindow_data();
    void qtOptionsOpenTheWindow();
    void windowModuleMissing_data();
    void windowModuleMissing();
};

namespace {

// The libraries of the window and of what they bring.
const QByteArrayList kWindowLibraries = {
    "libQt6Gui",   "libQt6Widgets", "libQt6DBus",      "libX11",        "libxcb",
    "libEGL",      "libGL",         "libOpenGL",       "libfontconfig", "libfreetype",
    "libharfbuzz", "libxkbcommon",  "freefall-window",
};

QByteArrayList mappedLibraries(qint64 pid)
{
    QFile maps(u"/proc/%1/maps"_qs.arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QByteArrayList libraries;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype slash = line.lastIndexOf('/');
        if (slash >= 0 && line.contains(".so"))
            libraries.append(line.mid(slash + 1));
    }
    return libraries;
}

QByteArrayList windowLibrariesIn(const QByteArrayList &libraries)
{
    QByteArrayList found;
    for (const QByteArray &library : libraries) {
        for (const QByteArray &window : kWindowLibraries) {
            if (library.startsWith(window + '.') || library.startsWith(window + '-') ||
                library == window + ".so")
                found.append(library);
        }
    }
    return found;
}

QProcessEnvironment windowEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_qs);
    env.remove(u"WAYLAND_DISPLAY"_qs);
    env.remove(u"QT_QPA_PLATFORM"_qs);
    env.insert(u"FREEFALL_REPORT_SHOWN"_qs, u"1"_qs);
    return env;
}

} // namespace

// Seen in the running process after a calculation, so nothing loaded later escapes the check.
void tst_ProgramStart::commandLineLoadsNoWindowLibrary()
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_qs, u"de_DE.UTF-8"_qs);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(FREEFALL_EXECUTABLE), {u"--imperial"_qs, u"-"_qs});
    QVERIFY(process.waitForStarted(10000));
    process.write("1000\n");
    // Standard output is a pipe, so the line comes before the program waits for the next.
    while (!process.canReadLine())
        QVERIFY(process.waitForReadyRead(10000));
    QCOMPARE(process.readLine(), QByteArray("1000\t5,08\t51,76\t1.314,70\n"));

    const QByteArrayList libraries = mappedLibraries(process.processId());
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(std::any_of(libraries.begin(), libraries.end(), [](const QByteArray &library) {
        return library.startsWith("libQt6Core.so");
    }));
    QCOMPARE(windowLibrariesIn(libraries), QByteArrayList());
}

void tst_ProgramStart::qtOptionsOpenTheWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("-platform") << QStringList{u"-platform"_qs, u"offscreen"_qs};
    QTest::newRow("--platform") << QStringList{u"--platform"_qs, u"offscreen"_qs};
    QTest::newRow("-style, -reverse") << QStringList{u"-platform"_qs, u"offscreen"_qs, u"-style"_qs,
                                                     u"Fusion"_qs, u"-reverse"_qs};
    QTest::newRow("-style=") << QStringList{u"-style=Fusion"_qs, u"-platform"_qs, u"offscreen"_qs};
    QTest::newRow("-qwindowtitle, -geometry")
        << QStringList{u"-qwindowtitle"_qs, u"Table"_qs,     u"-geometry"_qs,
                       u"600x300"_qs,       u"-platform"_qs, u"offscreen"_qs};
}

// With nothing but Qt's options the window opens, in the process the user started.
void tst_ProgramStart::qtOptionsOpenTheWindow()
{
    QFETCH(QStringList, arguments);

    QProcess process;
    process.setProcessEnvironment(windowEnvironment());
    process.start(QStringLiteral(FREEFALL_EXECUTABLE), arguments);
    QVERIFY(process.waitForStarted(10000));
    while (!process.canReadLine() && process.state() == QProcess::Running)
        process.waitForReadyRead(10000);
    const QByteArray line = process.readLine();
    const QByteArrayList libraries = mappedLibraries(process.processId());
    process.kill();
    process.waitForFinished(10000);
    QVERIFY2(line == "shown\n", process.readAllStandardError().constData());
    QVERIFY(windowLibrariesIn(libraries).contains("freefall-window.so"));
}

void tst_ProgramStart::windowModuleMissing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments") << QStringList{};
    QTest::newRow("Qt's options") << QStringList{u"-platform"_qs, u"offscreen"_qs};
}

// The program copied alone somewhere else: one line that says so, status 2; a calculation
// does not need the module.
void tst_ProgramStart::windowModuleMissing()
{
    QFETCH(QStringList, arguments);

    QTemporaryDir alone;
    QVERIFY(alone.isValid());
    const QString program = alone.filePath(u"freefall"_qs);
    QVERIFY(QFile::copy(QStringLiteral(FREEFALL_EXECUTABLE), program));

    QProcess process;
    process.setProcessEnvironment(windowEnvironment());
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.startsWith("freefall: cannot open the window: ") && err.count('\n') == 1 &&
                 err.endsWith(".so: cannot open shared object file: No such file or directory\n"),
             err.constData());
    QVERIFY(process.readAllStandardOutput().isEmpty());

    process.start(program, {u"--metric"_qs, u"1"_qs});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
}

QTEST_GUILESS_MAIN(tst_ProgramStart)
#include "tst_programstart.moc"

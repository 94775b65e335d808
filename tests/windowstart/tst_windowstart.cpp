// The window's start, seen from outside when it fails: each failure ends within 15 seconds
// with one line "freefall: cannot open the window: ..." on standard error and status 2, never
// with a signal or without a word.
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <link.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <functional>

class tst_WindowStart : public QObject
{
    Q_OBJECT

private slots:
    void platformWithoutScreen();
    void displayThatNeverAnswers_data();
    void displayThatNeverAnswers();
    void damagedModule_data();
    void damagedModule();
    void crashWhileOpening_data();
    void crashWhileOpening();
    void strippedModuleOpens();
};

namespace {

constexpr int kLimitMs = 15000;

struct Ended
{
    bool inTime = false;
    bool signalled = false;
    int status = -1;
    qint64 milliseconds = 0;
    QByteArray err;
};

QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_PLUGIN_PATH"})
        env.remove(QString::fromLatin1(name));
    return env;
}

// inChild runs in the child before the program starts, as a parent of its own might set it up.
Ended run(const QString &program, const QStringList &arguments, const QProcessEnvironment &env,
          const std::function<void()> &inChild = {})
{
    QProcess process;
    process.setProcessEnvironment(env);
    if (inChild)
        process.setChildProcessModifier(inChild);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    Ended ended;
    ended.inTime = process.waitForStarted(kLimitMs) &&
                   process.waitForFinished(int(std::max<qint64>(1, kLimitMs - clock.elapsed())));
    ended.milliseconds = clock.elapsed();
    if (!ended.inTime) {
        process.kill();
        process.waitForFinished(5000);
    }
    ended.signalled = process.exitStatus() == QProcess::CrashExit;
    ended.status = process.exitCode();
    ended.err = process.readAllStandardError();
    return ended;
}

// Ended in time, with status 2 and one line of the program's own that holds reason.
void checkRefusal(const Ended &ended, const QByteArray &reason)
{
    QVERIFY2(ended.inTime, qPrintable(u"still running after %1 ms"_qs.arg(kLimitMs)));
    QVERIFY2(!ended.signalled, ended.err.constData());
    QCOMPARE(ended.status, 2);
    QVERIFY2(ended.err.startsWith("freefall: cannot open the window: ") &&
                 ended.err.count('\n') == 1 && ended.err.endsWith('\n') &&
                 ended.err.contains(reason),
             ended.err.constData());
}

// The loadable segments of the window module, as its program headers give them.
struct Segments
{
    quint64 end = 0;       // where the last one ends in the file
    quint64 codeStart = 0; // the executable one
    quint64 codeSize = 0;
};

Segments loadableSegments(const QByteArray &module)
{
    Segments segments;
    ElfW(Ehdr) header;
    if (module.size() < qsizetype(sizeof header))
        return segments;
    std::memcpy(&header, module.constData(), sizeof header);
    for (int i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) segment;
        const quint64 at = header.e_phoff + quint64(i) * sizeof segment;
        if (at + sizeof segment > quint64(module.size()))
            return {};
        std::memcpy(&segment, module.constData() + at, sizeof segment);
        if (segment.p_type != PT_LOAD)
            continue;
        segments.end = std::max<quint64>(segments.end, segment.p_offset + segment.p_filesz);
        if (segment.p_flags & PF_X) {
            segments.codeStart = segment.p_offset;
            segments.codeSize = segment.p_filesz;
        }
    }
    return segments;
}

// Copies the program to program, and returns where it looks for its module then.
QString copyProgram(const QString &program)
{
    const QFileInfo built(QStringLiteral(FREEFALL_EXECUTABLE));
    const QString module =
        QDir::cleanPath(QFileInfo(program).path() + u'/' +
                        built.dir().relativeFilePath(QStringLiteral(FREEFALL_WINDOW_MODULE_FILE)));
    if (!QDir().mkpath(QFileInfo(program).path()) || !QDir().mkpath(QFileInfo(module).path()) ||
        !QFile::copy(built.filePath(), program))
        return {};
    return module;
}

} // namespace

// -platform linuxfb with no framebuffer: the platform opens, then cannot make the window.
void tst_WindowStart::platformWithoutScreen()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       u"/platforms/libqlinuxfb.so"_qs))
        QSKIP("Qt's linuxfb platform is not installed");
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const Ended ended =
        run(QStringLiteral(FREEFALL_EXECUTABLE),
            {u"-platform"_qs, u"linuxfb:fb="_qs + directory.filePath(u"no-framebuffer"_qs)},
            withoutDisplay());
    checkRefusal(ended, "no screens available");
}

// An X11 display that takes the connection and never answers, as a stale forwarded one does.
void tst_WindowStart::displayThatNeverAnswers_data()
{
    QTest::addColumn<bool>("alarmBlocked");
    QTest::newRow("started as usual") << false;
    // A blocked signal stays blocked across exec; the deadline must not depend on the parent.
    QTest::newRow("SIGALRM blocked by the parent") << true;
}

void tst_WindowStart::displayThatNeverAnswers()
{
    QFETCH(bool, alarmBlocked);
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QVERIFY(listener >= 0);
    int display = -1;
    for (int attempt = 0; attempt < 50 && display < 0; ++attempt) {
        const int candidate = 200 + int(QRandomGenerator::global()->bounded(3000));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(quint16(6000 + candidate));
        if (::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
            display = candidate;
    }
    QVERIFY(display >= 0);
    QCOMPARE(::listen(listener, 8), 0);

    QProcessEnvironment env = withoutDisplay();
    env.insert(u"DISPLAY"_qs, u"127.0.0.1:%1"_qs.arg(display));
    const Ended ended = run(QStringLiteral(FREEFALL_EXECUTABLE), {}, env, [alarmBlocked] {
        if (!alarmBlocked)
            return;
        sigset_t alarm;
        sigemptyset(&alarm);
        sigaddset(&alarm, SIGALRM);
        ::sigprocmask(SIG_BLOCK, &alarm, nullptr);
    });
    ::close(listener);
    checkRefusal(ended, "did not come up within 10 seconds");
}

void tst_WindowStart::damagedModule_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QByteArray>("reason");

    QTest::newRow("cut short inside what is loaded") << u"cut"_qs << QByteArray("is cut short");
    QTest::newRow("cut short in its section headers")
        << u"cut at the end"_qs << QByteArray("is cut short");
    QTest::newRow("bytes flipped in its code") << u"flipped"_qs << QByteArray("is damaged");
    QTest::newRow("FIFO") << u"fifo"_qs << QByteArray("is not a regular file");
    QTest::newRow("directory") << u"directory"_qs << QByteArray("is not a regular file");
    QTest::newRow("text") << u"text"_qs << QByteArray("is not a shared object");
    QTest::newRow("another shared object") << u"other"_qs << QByteArray("is damaged");
}

// The program copied with a damaged module beside it, where it looks for the module.
void tst_WindowStart::damagedModule()
{
    QFETCH(QString, damage);
    QFETCH(QByteArray, reason);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString program = directory.filePath(u"bin/freefall"_qs);
    const QString module = copyProgram(program);
    QVERIFY(!module.isEmpty());
    const QFileInfo built(QStringLiteral(FREEFALL_EXECUTABLE));

    QFile original(QStringLiteral(FREEFALL_WINDOW_MODULE_FILE));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    const Segments segments = loadableSegments(bytes);
    QVERIFY(segments.end > 0 && segments.codeSize > 64);
    const QByteArray encoded = QFile::encodeName(module);
    if (damage == u"cut") {
        bytes.truncate(qsizetype(segments.end / 2));
    } else if (damage == u"cut at the end") {
        bytes.chop(16);
    } else if (damage == u"flipped") {
        const quint64 middle = segments.codeStart + segments.codeSize / 2;
        for (quint64 i = middle; i < middle + 64; ++i)
            bytes[qsizetype(i)] = char(~bytes[qsizetype(i)]);
    } else if (damage == u"text") {
        bytes = "not a shared object\n";
    } else if (damage == u"other") {
        QFile other(built.filePath());
        QVERIFY(other.open(QIODevice::ReadOnly));
        bytes = other.readAll();
    }
    if (damage == u"fifo") {
        QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);
    } else if (damage == u"directory") {
        QVERIFY(QDir().mkdir(module));
    } else {
        QFile file(module);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QProcessEnvironment env = withoutDisplay();
    env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    checkRefusal(run(program, {}, env), reason);
}

void tst_WindowStart::crashWhileOpening_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QByteArray>("reason");

    QTest::newRow("segmentation fault")
        << u"freefall-segfault"_qs << QByteArray("crashed while starting (SIGSEGV)");
    QTest::newRow("abort") << u"freefall-abort"_qs
                           << QByteArray("crashed while starting (SIGABRT)");
    QTest::newRow("illegal instruction")
        << u"freefall-trap"_qs << QByteArray("crashed while starting (SIGILL)");
}

// A plugin that crashes while the window opens, as a broken platform or style does.
void tst_WindowStart::crashWhileOpening()
{
    QFETCH(QString, style);
    QFETCH(QByteArray, reason);

    QProcessEnvironment env = withoutDisplay();
    env.insert(u"QT_PLUGIN_PATH"_qs, QStringLiteral(FREEFALL_CRASH_PLUGINS));
    const Ended ended = run(QStringLiteral(FREEFALL_EXECUTABLE),
                            {u"-platform"_qs, u"offscreen"_qs, u"-style"_qs, style}, env);
    checkRefusal(ended, reason);
}

// The module stripped as a Debian package strips it is still the one built with the program:
// strip leaves what is loaded as it was.
void tst_WindowStart::strippedModuleOpens()
{
    // Empty when the toolchain has no strip.
    const QString strip = QStringLiteral("" FREEFALL_STRIP);
    if (strip.isEmpty())
        QSKIP("no strip program");
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString program = directory.filePath(u"bin/freefall"_qs);
    const QString module = copyProgram(program);
    QVERIFY(!module.isEmpty());
    QVERIFY(QFile::copy(QStringLiteral(FREEFALL_WINDOW_MODULE_FILE), module));
    const qint64 unstripped = QFileInfo(module).size();
    QCOMPARE(
        QProcess::execute(strip, {u"--remove-section=.comment"_qs, u"--remove-section=.note"_qs,
                                  u"--strip-unneeded"_qs, module}),
        0);
    QVERIFY(QFileInfo(module).size() < unstripped);

    QProcess process;
    QProcessEnvironment env = withoutDisplay();
    env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
    env.insert(u"FREEFALL_REPORT_SHOWN"_qs, u"1"_qs);
    process.setProcessEnvironment(env);
    process.start(program, {});
    QVERIFY(process.waitForStarted(10000));
    const QDeadlineTimer deadline(kLimitMs);
    while (!process.canReadLine() && process.state() == QProcess::Running && !deadline.hasExpired())
        process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    const QByteArray line = process.readLine();
    process.kill();
    process.waitForFinished(5000);
    QVERIFY2(line == "shown\n", process.readAllStandardError().constData());
}

QTEST_GUILESS_MAIN(tst_WindowStart)
#include "tst_windowstart.moc"

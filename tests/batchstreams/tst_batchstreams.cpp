// freefall --imperial - with descriptors it does not choose: non-blocking ones that pause or
// fill up, and SIGINT, SIGTERM or SIGHUP while it writes to a slow reader or waits for input.
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>
#include <vector>

extern char **environ;

class tst_BatchStreams : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nonBlockingInputThatPauses();
    void nonBlockingOutputToASlowReader();
    void stoppedWhileWriting_data();
    void stoppedWhileWriting();
    void stoppedWhileWaitingForInput_data();
    void stoppedWhileWaitingForInput();

private:
    QTemporaryFile speeds_;
};

namespace {

constexpr int kLines = 200000;

void setNonBlocking(int descriptor)
{
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) | O_NONBLOCK);
}

bool isTableLine(const QByteArray &line)
{
    return line.count('\t') == 3 && !line.startsWith('\t') && !line.endsWith('\t');
}

// The program started with the descriptors given as its standard input and output, with the
// stop signals at their default action unless the shell is told to ignore one; standard error
// is a pipe too. posix_spawn rather than QProcess, for the exact way it ends.
class Spawned
{
public:
    Spawned(int in, int out, const char *ignored = nullptr)
    {
        int errPipe[2];
        if (::pipe2(errPipe, O_CLOEXEC) != 0)
            return;
        err_ = errPipe[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
            sigaddset(&defaults, signal);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        // The shell's trap makes the signal ignored, as nohup does, and exec keeps it so.
        const QByteArray script = QByteArray(ignored ? "trap '' " : ": ") +
                                  (ignored ? ignored : "") + "; LC_ALL=C exec \"$0\" --imperial -";
        const char *arguments[] = {"/bin/sh", "-c", script.constData(), FREEFALL_EXECUTABLE,
                                   nullptr};
        if (posix_spawn(&pid_, "/bin/sh", &actions, &attributes, const_cast<char **>(arguments),
                        environ) != 0)
            pid_ = -1;
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
        ::close(errPipe[1]);
    }
    ~Spawned()
    {
        if (pid_ > 0 && status_ < 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (err_ >= 0)
            ::close(err_);
    }

    bool started() const { return pid_ > 0; }
    void signal(int signal) const { ::kill(pid_, signal); }

    // The wait status once the program has ended, or -1 if it has not within the time limit.
    int waitForEnd(int milliseconds = 10000)
    {
        QDeadlineTimer deadline(milliseconds);
        while (status_ < 0 && !deadline.hasExpired()) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_)
                status_ = status;
            else
                QThread::msleep(5);
        }
        return status_;
    }

    QByteArray errorOutput() const
    {
        QByteArray all;
        char buffer[4096];
        ssize_t got;
        while ((got = ::read(err_, buffer, sizeof buffer)) > 0)
            all.append(buffer, got);
        return all;
    }

private:
    pid_t pid_ = -1;
    int err_ = -1;
    int status_ = -1;
};

// Up to size bytes once some are there, none at the end, or none when nothing comes in time.
QByteArray readSome(int descriptor, std::size_t size, int milliseconds = 10000)
{
    pollfd waited{descriptor, POLLIN, 0};
    if (::poll(&waited, 1, milliseconds) <= 0)
        return {};
    std::vector<char> buffer(size);
    const ssize_t got = ::read(descriptor, buffer.data(), size);
    return got > 0 ? QByteArray(buffer.data(), got) : QByteArray();
}

struct Pipe
{
    int read = -1;
    int write = -1;
    Pipe()
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) == 0) {
            read = ends[0];
            write = ends[1];
        }
    }
    ~Pipe()
    {
        closeRead();
        closeWrite();
    }
    void closeRead()
    {
        if (read >= 0)
            ::close(std::exchange(read, -1));
    }
    void closeWrite()
    {
        if (write >= 0)
            ::close(std::exchange(write, -1));
    }
};

} // namespace

void tst_BatchStreams::initTestCase()
{
    QVERIFY(speeds_.open());
    for (int i = 1; i <= kLines; ++i)
        speeds_.write(QByteArray::number(i % 5000 + 1) + '\n');
    QVERIFY(speeds_.flush());
}

// Standard input left non-blocking by whoever shares it: the pause between two lines is a wait,
// not the end of the input.
void tst_BatchStreams::nonBlockingInputThatPauses()
{
    QProcess process;
    process.setChildProcessModifier([] { setNonBlocking(STDIN_FILENO); });
    process.start(QStringLiteral(FREEFALL_EXECUTABLE), {u"--imperial"_qs, u"-"_qs});
    QVERIFY(process.waitForStarted(10000));
    process.write("100\n");
    QVERIFY(process.waitForBytesWritten(10000));
    while (!process.canReadLine())
        QVERIFY(process.waitForReadyRead(10000));
    QThread::msleep(300);
    process.write("200\n");
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(process.readAllStandardOutput(),
             QByteArray("100\t0.51\t0.52\t13.21\n200\t1.02\t2.07\t52.58\n"));
    QCOMPARE(process.exitCode(), 0);
}

// A non-blocking standard output that fills up because its reader is slow is waited on.
void tst_BatchStreams::nonBlockingOutputToASlowReader()
{
    QProcess process;
    process.setChildProcessModifier([] { setNonBlocking(STDOUT_FILENO); });
    process.setStandardInputFile(speeds_.fileName());
    process.start(QStringLiteral(FREEFALL_EXECUTABLE), {u"--imperial"_qs, u"-"_qs});
    QVERIFY(process.waitForStarted(10000));
    // Nothing is read meanwhile, so the pipe fills long before the end.
    QThread::msleep(500);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(process.exitCode(), 0);
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    QCOMPARE(lines.size(), kLines + 1);
    QCOMPARE(lines[kLines - 1], QByteArray("1\t0.01\t0.00\t0.00"));
}

void tst_BatchStreams::stoppedWhileWriting_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("ignored");
    QTest::newRow("SIGINT") << SIGINT << false;
    QTest::newRow("SIGTERM") << SIGTERM << false;
    QTest::newRow("SIGHUP") << SIGHUP << false;
    QTest::newRow("SIGHUP ignored from the start") << SIGHUP << true;
}

// A reader takes the table a little at a time, so the program is mostly waiting to write the
// middle of a large piece when the signal comes: the output still ends with a whole line, the
// rest of that line at most follows what the pipe held, and the program ends by the signal.
// A signal ignored from the start (nohup) stays ignored.
void tst_BatchStreams::stoppedWhileWriting()
{
    QFETCH(int, signal);
    QFETCH(bool, ignored);

    const int in = ::open(QFile::encodeName(speeds_.fileName()).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(in >= 0);
    Pipe out;
    Spawned program(in, out.write, ignored ? "HUP" : nullptr);
    ::close(in);
    out.closeWrite();
    QVERIFY(program.started());

    QByteArray table;
    while (table.size() < 100000) {
        const QByteArray piece = readSome(out.read, 4099);
        QVERIFY2(!piece.isEmpty(), "the program stopped writing");
        table += piece;
        QThread::msleep(1);
    }
    const qsizetype before = table.size();
    program.signal(signal);
    QThread::msleep(100);
    for (QByteArray piece; !(piece = readSome(out.read, 65536)).isEmpty();)
        table += piece;

    const int status = program.waitForEnd();
    QVERIFY2(status >= 0, "the program did not end");
    QVERIFY2(table.endsWith('\n'), table.right(60).constData());
    const QList<QByteArray> lines = table.chopped(1).split('\n');
    for (const QByteArray &line : lines)
        QVERIFY2(isTableLine(line), line.constData());
    if (ignored) {
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(lines.size(), kLines);
        return;
    }
    QVERIFY2(WIFSIGNALED(status), qPrintable(u"exit status %1"_qs.arg(WEXITSTATUS(status))));
    QCOMPARE(WTERMSIG(status), signal);
    QCOMPARE(program.errorOutput(), QByteArray());
    QVERIFY(lines.size() < kLines);
    const int pipeSize = ::fcntl(out.read, F_GETPIPE_SZ);
    QVERIFY(pipeSize > 0);
    QVERIFY2(table.size() - before <= pipeSize + 64,
             qPrintable(u"%1 bytes after the signal"_qs.arg(table.size() - before)));
}

void tst_BatchStreams::stoppedWhileWaitingForInput_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

// Waiting for the next line of a terminal or pipe, the program ends by the signal at once.
void tst_BatchStreams::stoppedWhileWaitingForInput()
{
    QFETCH(int, signal);

    Pipe in;
    Pipe out;
    Spawned program(in.read, out.write);
    in.closeRead();
    out.closeWrite();
    QVERIFY(program.started());
    QVERIFY(::write(in.write, "100\n", 4) == 4);
    QCOMPARE(readSome(out.read, 4096), QByteArray("100\t0.51\t0.52\t13.21\n"));
    program.signal(signal);
    const int status = program.waitForEnd(5000);
    QVERIFY2(status >= 0, "the program did not end");
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), signal);
    QCOMPARE(readSome(out.read, 4096, 1000), QByteArray());
}

QTEST_GUILESS_MAIN(tst_BatchStreams)
#include "tst_batchstreams.moc"

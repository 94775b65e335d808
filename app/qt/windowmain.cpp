// Opens the calculator window: first makes sure there is a display to open it on, since Qt
// aborts without one, then runs the window until the user closes it. Until the window is up,
// a fatal message of Qt's ends the program with one line of its own instead of an abort.
#include "app/qt/windowmain.h"

#include "app/cli/commandline.h"
#include "app/qt/frmfreefall.h"
#include "app/qt/shownreporter.h"
#include "runtime/qt/regional/qtregionalsettings.h"

#include <QApplication>
#include <QByteArrayList>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <optional>
#include <vector>

namespace freefall {

namespace {

void reportNoDisplay()
{
    std::cerr << "freefall: no display is available to open the window; use the command-line "
                 "mode instead: freefall --imperial TEXT or freefall --metric TEXT\n";
}

// The value Qt's option takes from the command line ("-platform offscreen" or "--platform
// offscreen"), which Qt prefers to the environment; empty when not given.
QByteArray optionValue(int argc, char *argv[], const char *name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        QByteArray argument = argv[i];
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        if (argument.startsWith('-') && argument.mid(1) == name)
            return argv[i + 1];
    }
    return {};
}

// The platforms Qt would try, by -platform or QT_QPA_PLATFORM ("name[:options]", several
// separated by ";"), else the X11 or Wayland display of the session; -display names an X11
// display too. Platforms that need no display server, such as offscreen, are left for Qt to
// try.
bool displayAvailable(int argc, char *argv[])
{
    QByteArray platforms = optionValue(argc, argv, "platform");
    if (platforms.isEmpty())
        platforms = qgetenv("QT_QPA_PLATFORM");
    const bool x11 =
        !optionValue(argc, argv, "display").isEmpty() || !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platforms.trimmed().isEmpty())
        return x11 || wayland;
    for (const QByteArray &entry : platforms.split(';')) {
        const QByteArray name = entry.split(':').front().trimmed();
        if (name.isEmpty())
            continue;
        if (name == "xcb") {
            if (x11)
                return true;
        } else if (name.startsWith("wayland")) {
            if (wayland)
                return true;
        } else {
            return true;
        }
    }
    return false;
}

// Until the window is up, Qt's messages are held back. If no platform can be opened (a display
// that is set but does not answer), Qt ends with a fatal message, which is replaced by the one
// line above; a platform that opens but cannot make the window (linuxfb without a framebuffer)
// ends with one too, which is passed on in a line of the program's own. Otherwise the held
// messages are passed on as they came.
class StartupMessages
{
public:
    StartupMessages() { previous_ = qInstallMessageHandler(&StartupMessages::hold); }

    // QApplication has been made: a fatal message is about the window from now on.
    static void applicationMade() { applicationMade_ = true; }

    ~StartupMessages()
    {
        qInstallMessageHandler(previous_);
        std::vector<Held> messages;
        {
            const std::lock_guard lock(heldLock());
            messages.swap(held());
        }
        for (const Held &message : messages) {
            const QMessageLogContext context(message.file.constData(), message.line,
                                             message.function.constData(),
                                             message.category.constData());
            if (previous_)
                previous_(message.type, context, message.text);
            else
                std::fprintf(stderr, "%s\n", qPrintable(message.text));
        }
    }
    StartupMessages(const StartupMessages &) = delete;
    StartupMessages &operator=(const StartupMessages &) = delete;

private:
    struct Held
    {
        QtMsgType type;
        QByteArray file;
        int line;
        QByteArray function;
        QByteArray category;
        QString text;
    };

    static std::vector<Held> &held()
    {
        static std::vector<Held> messages;
        return messages;
    }
    // Qt's own threads (the display connection's reader among them) log while the window
    // comes up, each calling the handler on its own thread.
    static std::mutex &heldLock()
    {
        static std::mutex lock;
        return lock;
    }

    static void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtFatalMsg) {
            if (applicationMade_)
                std::fprintf(stderr, "freefall: cannot open the window: %s\n",
                             qPrintable(text.section(u'\n', 0, 0)));
            else
                reportNoDisplay();
            std::_Exit(ExitUsage);
        }
        const std::lock_guard lock(heldLock());
        held().push_back(
            {type, context.file, context.line, context.function, context.category, text});
    }

    QtMessageHandler previous_ = nullptr;
    static inline std::atomic<bool> applicationMade_ = false;
};

} // namespace

int runWindow(int argc, char *argv[], void (*windowShown)())
{
    if (!displayAvailable(argc, argv)) {
        reportNoDisplay();
        return ExitUsage;
    }
    std::optional<StartupMessages> startup(std::in_place);
    QApplication app(argc, argv);
    StartupMessages::applicationMade();

    const QtRegionalSettings regional = QtRegionalSettings::fromEnvironment();
    frmFreefall window(regional);
    if (qEnvironmentVariableIsSet("FREEFALL_REPORT_SHOWN"))
        window.installEventFilter(new ShownReporter(&window));
    window.centreOnScreen();
    window.show();
    // The window is up once the event loop runs.
    QTimer::singleShot(0, &window, [&startup, windowShown] {
        startup.reset();
        if (windowShown)
            windowShown();
    });
    return app.exec();
}

} // namespace freefall

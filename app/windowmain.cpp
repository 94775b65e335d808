// Opens the calculator window: first makes sure there is a display to open it on, since Qt
// aborts without one, then runs the window until the user closes it.
#include "windowmain.h"

#include "commandline.h"
#include "frmfreefall.h"
#include "qtregionalsettings.h"
#include "shownreporter.h"

#include <QApplication>
#include <QByteArrayList>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <vector>

namespace freefall {

namespace {

void reportNoDisplay()
{
    std::cerr << "freefall: no display is available to open the window; use the command-line "
                 "mode instead: freefall --imperial TEXT or freefall --metric TEXT\n";
}

bool isSet(const char *variable)
{
    return !qEnvironmentVariableIsEmpty(variable);
}

// The platforms Qt would try, by QT_QPA_PLATFORM ("name[:options]", several separated by ";"),
// else the X11 or Wayland display of the session. Platforms that need no display server, such
// as offscreen, are left for Qt to try.
bool displayAvailable()
{
    const QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.trimmed().isEmpty())
        return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
    for (const QByteArray &entry : platforms.split(';')) {
        const QByteArray name = entry.split(':').front().trimmed();
        if (name.isEmpty())
            continue;
        if (name == "xcb") {
            if (isSet("DISPLAY"))
                return true;
        } else if (name.startsWith("wayland")) {
            if (isSet("WAYLAND_DISPLAY"))
                return true;
        } else {
            return true;
        }
    }
    return false;
}

// While QApplication starts, Qt's messages are held back: if no platform can be opened (a
// display that is set but does not answer), Qt ends with a fatal message, which is replaced by
// the one line above; otherwise the held messages are passed on as they came.
class StartupMessages
{
public:
    StartupMessages() { previous_ = qInstallMessageHandler(&StartupMessages::hold); }
    ~StartupMessages()
    {
        qInstallMessageHandler(previous_);
        for (const Held &message : held()) {
            const QMessageLogContext context(message.file.constData(), message.line,
                                             message.function.constData(),
                                             message.category.constData());
            if (previous_)
                previous_(message.type, context, message.text);
            else
                std::fprintf(stderr, "%s\n", qPrintable(message.text));
        }
        held().clear();
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

    static void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtFatalMsg) {
            reportNoDisplay();
            std::_Exit(ExitUsage);
        }
        held().push_back(
            {type, context.file, context.line, context.function, context.category, text});
    }

    QtMessageHandler previous_ = nullptr;
};

} // namespace

int runWindow(int argc, char *argv[])
{
    if (!displayAvailable()) {
        reportNoDisplay();
        return ExitUsage;
    }
    std::optional<StartupMessages> startup(std::in_place);
    QApplication app(argc, argv);
    startup.reset();

    const QtRegionalSettings regional = QtRegionalSettings::fromEnvironment();
    frmFreefall window(regional);
    if (qEnvironmentVariableIsSet("FREEFALL_REPORT_SHOWN"))
        window.installEventFilter(new ShownReporter(&window));
    window.centreOnScreen();
    window.show();
    return app.exec();
}

} // namespace freefall

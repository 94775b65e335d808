// The faults and the deadline are caught with signal handlers, which may only write and end the
// process, so every message is made before they are installed. The deadline is a SIGALRM: it
// interrupts whatever the program waits on, a display that never answers included, and needs no
// thread of its own.
#include "app/linux/windowstartguard.h"

#include "app/cli/commandline.h"

#include <csignal>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

namespace freefall {

namespace {

enum class Phase
{
    Disarmed,
    LoadingModule,
    OpeningWindow
};

constexpr std::array<int, 6> kFaults{SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT, SIGSYS};

struct GuardState
{
    std::atomic<Phase> phase = Phase::Disarmed;
    std::string loadingFault;
    std::string loadingTimeout;
    std::string openingTimeout;
    std::array<struct sigaction, kFaults.size()> previous = {};
    struct sigaction previousAlarm = {};
    bool alarmWasBlocked = false;
};

GuardState &state()
{
    static GuardState guard;
    return guard;
}

// A stack to handle a fault on, should the fault be the stack's own overflow.
alignas(16) char faultStack[64 * 1024];

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "SIGSYS";
    }
}

void writeError(const char *text)
{
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = ::write(STDERR_FILENO, text, left);
        if (written <= 0)
            return;
        text += written;
        left -= std::size_t(written);
    }
}

void onFault(int signal)
{
    GuardState &guard = state();
    const Phase phase = guard.phase.load();
    if (phase == Phase::Disarmed) {
        // Caught just as the guard was taken down: the fault is the program's own again.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    writeError(phase == Phase::LoadingModule
                   ? guard.loadingFault.c_str()
                   : "freefall: cannot open the window: it crashed while starting (");
    writeError(signalName(signal));
    writeError(")\n");
    ::_exit(ExitUsage);
}

void onDeadline(int)
{
    const GuardState &guard = state();
    const Phase phase = guard.phase.load();
    if (phase == Phase::Disarmed)
        return;
    writeError(phase == Phase::LoadingModule ? guard.loadingTimeout.c_str()
                                             : guard.openingTimeout.c_str());
    ::_exit(ExitUsage);
}

void setAlarmBlocked(bool blocked)
{
    sigset_t alarm;
    sigemptyset(&alarm);
    sigaddset(&alarm, SIGALRM);
    ::pthread_sigmask(blocked ? SIG_BLOCK : SIG_UNBLOCK, &alarm, nullptr);
}

void disarm()
{
    GuardState &guard = state();
    if (guard.phase.load() == Phase::Disarmed)
        return;
    ::alarm(0);
    guard.phase = Phase::Disarmed;
    for (std::size_t i = 0; i < kFaults.size(); ++i)
        ::sigaction(kFaults[i], &guard.previous[i], nullptr);
    ::sigaction(SIGALRM, &guard.previousAlarm, nullptr);
    if (guard.alarmWasBlocked)
        setAlarmBlocked(true);
}

} // namespace

WindowStartGuard::WindowStartGuard(const std::string &module)
{
    GuardState &guard = state();
    guard.loadingFault =
        "freefall: cannot open the window: " + module + " is damaged: loading it crashed (";
    guard.loadingTimeout = "freefall: cannot open the window: " + module + " did not load within " +
                           std::to_string(kDeadlineSeconds) + " seconds\n";
    guard.openingTimeout = "freefall: cannot open the window: it did not come up within " +
                           std::to_string(kDeadlineSeconds) +
                           " seconds; the display may not be answering\n";
    guard.phase = Phase::LoadingModule;

    stack_t stack{};
    stack.ss_sp = faultStack;
    stack.ss_size = sizeof faultStack;
    ::sigaltstack(&stack, nullptr);
    struct sigaction action = {};
    action.sa_handler = &onFault;
    action.sa_flags = SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kFaults.size(); ++i)
        ::sigaction(kFaults[i], &action, &guard.previous[i]);

    // Threads the window starts inherit the unblocked SIGALRM, so whichever runs takes it.
    struct sigaction deadline = {};
    deadline.sa_handler = &onDeadline;
    sigemptyset(&deadline.sa_mask);
    ::sigaction(SIGALRM, &deadline, &guard.previousAlarm);
    sigset_t blocked;
    ::pthread_sigmask(SIG_SETMASK, nullptr, &blocked);
    guard.alarmWasBlocked = sigismember(&blocked, SIGALRM) == 1;
    setAlarmBlocked(false);
    ::alarm(unsigned(kDeadlineSeconds));
}

WindowStartGuard::~WindowStartGuard()
{
    disarm();
}

void WindowStartGuard::moduleLoaded()
{
    state().phase = Phase::OpeningWindow;
}

void WindowStartGuard::windowShown()
{
    disarm();
}

} // namespace freefall

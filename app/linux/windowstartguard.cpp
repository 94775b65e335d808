// The faults are caught with signal handlers, which may only write and end the process, so
// every message is made before they are installed; the deadline is kept by a thread of its own,
// which nothing the window does can hold up.
#include "app/linux/windowstartguard.h"

#include "app/cli/commandline.h"

#include <csignal>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

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
    std::mutex mutex;
    std::condition_variable changed;
    bool shown = false;
    std::thread watchdog;
};

// Never destroyed: the watchdog may still be on its way out when the program ends.
GuardState &state()
{
    static GuardState &guard = *new GuardState;
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

void watch()
{
    GuardState &guard = state();
    std::unique_lock lock(guard.mutex);
    if (guard.changed.wait_for(lock, std::chrono::seconds(WindowStartGuard::kDeadlineSeconds),
                               [&guard] { return guard.shown; }))
        return;
    writeError(guard.phase.load() == Phase::LoadingModule ? guard.loadingTimeout.c_str()
                                                          : guard.openingTimeout.c_str());
    ::_exit(ExitUsage);
}

void disarm()
{
    GuardState &guard = state();
    if (guard.phase.load() == Phase::Disarmed)
        return;
    for (std::size_t i = 0; i < kFaults.size(); ++i)
        ::sigaction(kFaults[i], &guard.previous[i], nullptr);
    guard.phase = Phase::Disarmed;
    {
        const std::lock_guard lock(guard.mutex);
        guard.shown = true;
    }
    guard.changed.notify_all();
    // Not joined: on a busy machine the watchdog may take a while to be scheduled, and the
    // window would wait for it.
    guard.watchdog.detach();
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
    guard.shown = false;
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
    guard.watchdog = std::thread(&watch);
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

// A handler may only note the signal and wake whoever waits: it writes a byte to a pipe whose
// other end the waits poll along with their descriptor, so a signal that comes just before a
// wait begins is not missed. A second signal, while a line is being finished for the first,
// ends the program at once: the reader may be taking nothing more.
#include "app/linux/stopsignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>

namespace freefall {

namespace {

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t caughtSignal = 0;
int wakeRead = -1;
int wakeWrite = -1;

void onStopSignal(int signal)
{
    if (caughtSignal != 0) {
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    caughtSignal = signal;
    const int saved = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite, &byte, 1);
    errno = saved;
}

} // namespace

void catchStopSignals()
{
    if (wakeRead >= 0)
        return;
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    wakeRead = ends[0];
    wakeWrite = ends[1];
    struct sigaction action = {};
    action.sa_handler = &onStopSignal;
    // No SA_RESTART: a read or write that waits is interrupted, so a partly written line can
    // be finished at once.
    sigemptyset(&action.sa_mask);
    for (const int signal : kStopSignals)
        sigaddset(&action.sa_mask, signal);
    for (const int signal : kStopSignals) {
        struct sigaction previous = {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

int stopSignal()
{
    return caughtSignal;
}

void waitForDescriptor(int descriptor, short events)
{
    // The wake pipe stays readable once a signal is caught, so it is left out of later waits.
    std::array<pollfd, 2> waited{{{descriptor, events, 0}, {wakeRead, POLLIN, 0}}};
    const nfds_t count = caughtSignal == 0 && wakeRead >= 0 ? 2 : 1;
    while (::poll(waited.data(), count, -1) < 0 && errno == EINTR && caughtSignal == 0) {
    }
}

void endByStopSignal()
{
    const int signal = caughtSignal;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
    ::raise(signal);
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, signal);
    ::sigprocmask(SIG_UNBLOCK, &blocked, nullptr);
    // Only if the signal could not end the program: the status a shell gives for it.
    ::_exit(128 + signal);
}

} // namespace freefall

// SIGINT, SIGTERM and SIGHUP during the batch form: rather than dying wherever the signal
// finds it, the program finishes the output line it is writing, writes nothing after it, and
// then ends by that same signal, so that whoever started it still sees the signal.
#pragma once

namespace freefall {

// Catches the three signals from now on, except one that was ignored when the program started
// (nohup, a background job), which stays ignored. Only the first call does anything.
void catchStopSignals();

// The signal caught, or 0.
int stopSignal();

// Waits until descriptor is ready for events (POLLIN, POLLOUT), has failed or hung up, or until
// a signal is caught. Once one has been caught, waits on the descriptor alone, so that the line
// under way can still be written to its end.
void waitForDescriptor(int descriptor, short events);

// Ends the program as the caught signal would have ended it, its default action.
[[noreturn]] void endByStopSignal();

} // namespace freefall

// SIGTERM, SIGHUP and SIGINT caught and written as one byte each into a pipe, which the
// program's main loop watches: a signal handler may do almost nothing, and the program must
// end through its exit action all the same. POSIX only: Windows ends the session through
// messages to the program's windows.
#pragma once

#include <optional>

namespace kolekt::platform {

class TerminationSignalPipe {
public:
    // Catches the signals from now on; only one may exist at a time, as the handlers share one
    // pipe. Where no pipe can be made, nothing is caught and readEnd() is -1.
    TerminationSignalPipe();
    // Gives the signals back to the handlers they had before.
    ~TerminationSignalPipe();

    TerminationSignalPipe(const TerminationSignalPipe&) = delete;
    TerminationSignalPipe& operator=(const TerminationSignalPipe&) = delete;

    // The descriptor that becomes readable when a signal has arrived.
    int readEnd() const;
    // The number of the signal that arrived, once readEnd() is readable.
    std::optional<int> take();
};

} // namespace kolekt::platform

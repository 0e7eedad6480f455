#include "platform/TerminationSignalPipe.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kolekt::platform {

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

int pipeFds[2] = {-1, -1};
struct sigaction previous[kSignals.size()];

// Writing one byte into a pipe is among the few things a handler may do.
extern "C" void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignalPipe::TerminationSignalPipe() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeFds) != 0) {
        pipeFds[0] = pipeFds[1] = -1;
        return;
    }
    // Set apart from socketpair(), which takes SOCK_CLOEXEC only on some systems.
    for (const int fd : pipeFds) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    // A full pipe drops a signal rather than blocking the handler.
    ::fcntl(pipeFds[1], F_SETFL, O_NONBLOCK);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &action, &previous[i]);
    }
}

TerminationSignalPipe::~TerminationSignalPipe() {
    if (pipeFds[0] < 0) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &previous[i], nullptr);
    }
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

int TerminationSignalPipe::readEnd() const {
    return pipeFds[0];
}

std::optional<int> TerminationSignalPipe::take() {
    unsigned char byte = 0;
    if (pipeFds[0] < 0 || ::read(pipeFds[0], &byte, 1) != 1) {
        return std::nullopt;
    }
    return byte;
}

} // namespace kolekt::platform

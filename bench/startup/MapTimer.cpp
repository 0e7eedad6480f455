// Starts a program on the X display of $DISPLAY and measures how long it takes
// until it maps its first top-level window, and its peak memory at that moment
// and after a short settling time (first paint). Ends the program afterwards.
// Usage: map-timer SETTLE_MS PROGRAM [ARGS...]
// Prints: <milliseconds to map> <peak RSS at map, KiB> <peak RSS after settling, KiB>
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long peakRssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Waits for the first MapNotify of a normal (not override-redirect) window.
bool waitForMap(Display* display, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                return true;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left.count()));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: map-timer SETTLE_MS PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("map-timer: cannot open the display\n", stderr);
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        std::perror("map-timer: exec");
        _exit(127);
    }
    const bool mapped = waitForMap(display, 30000);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const long rssAtMap = peakRssKiB(child);
    usleep(static_cast<useconds_t>(settleMs) * 1000);
    const long rssSettled = peakRssKiB(child);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fputs("map-timer: no window was mapped\n", stderr);
        return 1;
    }
    std::printf("%.1f %ld %ld\n", std::chrono::duration<double, std::milli>(elapsed).count(),
                rssAtMap, rssSettled);
    return 0;
}

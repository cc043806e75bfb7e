// Start-up time: from just before fork/exec to the MapNotify of the
// program's first top-level window, repeated; prints one time in ms per
// start. Usage: x_start COUNT PROGRAM [ARGS...]
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using clock_type = std::chrono::steady_clock;

// Waits for the first top-level window to be mapped; false after timeout.
bool wait_for_map(Display* display, clock_type::time_point deadline) {
    int fd = ConnectionNumber(display);
    while (clock_type::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) return true;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval tick{0, 1000};
        select(fd + 1, &readable, nullptr, nullptr, &tick);
    }
    return false;
}

void stop(pid_t child) {
    kill(child, SIGTERM);
    int status = 0;
    for (int i = 0; i < 200 && waitpid(child, &status, WNOHANG) == 0; ++i) usleep(10000);
    if (waitpid(child, &status, WNOHANG) == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
}

// One start; a negative time when no window came.
double one_start(Display* display, char** argv) {
    XSync(display, True); // drop events of the previous start
    auto start = clock_type::now();
    pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    bool mapped = wait_for_map(display, start + std::chrono::seconds(20));
    double ms = std::chrono::duration<double, std::milli>(clock_type::now() - start).count();
    stop(child);
    return mapped ? ms : -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: x_start COUNT PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x_start: no display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    int count = std::atoi(argv[1]);
    for (int i = 0; i < count; ++i) {
        double ms = one_start(display, argv + 2);
        if (ms < 0) {
            std::fprintf(stderr, "x_start: %s mapped no window\n", argv[2]);
            return 1;
        }
        std::printf("%.2f\n", ms);
        std::fflush(stdout);
        usleep(200000); // let the server forget the last client
    }
    XCloseDisplay(display);
    return 0;
}

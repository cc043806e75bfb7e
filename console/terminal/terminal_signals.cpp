#include "console/terminal/terminal_signals.hpp"

#include "console/terminal/terminal_mode.hpp"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::array<int, 2> change_pipe = {-1, -1};

constexpr std::array<int, 5> ending_signals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

void note_change() {
    int saved = errno;
    char b = 1;
    if (change_pipe[1] >= 0 && write(change_pipe[1], &b, 1) < 0) {
        // A full pipe already holds a note.
    }
    errno = saved;
}

void set_handler(int signal_number, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal_number, &action, nullptr);
}

bool ignored(int signal_number) {
    struct sigaction current {};
    sigaction(signal_number, nullptr, &current);
    return current.sa_handler == SIG_IGN;
}

// Blocked while it runs, so the raised signal strikes with its default
// action as soon as the handler returns.
void on_ending_signal(int signal_number) {
    terminal_mode_leave();
    signal(signal_number, SIG_DFL);
    raise(signal_number);
}

void on_stop_signal(int) {
    int saved = errno;
    terminal_mode_leave();
    signal(SIGTSTP, SIG_DFL);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    pthread_sigmask(SIG_UNBLOCK, &stop, nullptr);
    raise(SIGTSTP);
    // Continued.
    set_handler(SIGTSTP, on_stop_signal);
    terminal_mode_resume();
    note_change();
    errno = saved;
}

void on_continue(int) {
    terminal_mode_resume();
    note_change();
}

void on_resize(int) {
    note_change();
}

} // namespace

void terminal_signals_install() {
    if (change_pipe[0] >= 0) return;
    if (pipe2(change_pipe.data(), O_NONBLOCK | O_CLOEXEC) != 0) change_pipe = {-1, -1};
    for (int s : ending_signals)
        if (!ignored(s)) set_handler(s, on_ending_signal);
    if (!ignored(SIGTSTP)) set_handler(SIGTSTP, on_stop_signal);
    set_handler(SIGCONT, on_continue);
    set_handler(SIGWINCH, on_resize);
}

int terminal_change_fd() {
    return change_pipe[0];
}

bool terminal_changed() {
    bool changed = false;
    char notes[64];
    while (change_pipe[0] >= 0 && read(change_pipe[0], notes, sizeof notes) > 0) changed = true;
    return changed;
}

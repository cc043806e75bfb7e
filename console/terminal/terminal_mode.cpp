#include "console/terminal/terminal_mode.hpp"

#include "console/terminal/terminal_signals.hpp"

#include <csignal>
#include <cstdlib>
#include <termios.h>
#include <unistd.h>

namespace {

struct terminal_modes {
    termios original{};
    termios raw{};
    bool saved = false;
    volatile std::sig_atomic_t raw_wanted = 0;
};

terminal_modes modes;

termios raw_from(termios t) {
    t.c_iflag &= ~static_cast<tcflag_t>(ICRNL | INLCR | IGNCR | IXON | ISTRIP);
    t.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    return t;
}

// A process in the background leaves the terminal to the shell's modes.
bool owns_terminal() {
    pid_t group = tcgetpgrp(STDIN_FILENO);
    return group == -1 || group == getpgrp();
}

void apply(const termios& t) {
    if (owns_terminal()) tcsetattr(STDIN_FILENO, TCSANOW, &t);
}

void restore_at_exit() {
    modes.raw_wanted = 0;
    terminal_mode_leave();
}

bool save_once() {
    if (modes.saved) return true;
    if (tcgetattr(STDIN_FILENO, &modes.original) != 0) return false;
    modes.raw = raw_from(modes.original);
    modes.saved = true;
    std::atexit(restore_at_exit);
    terminal_signals_install();
    return true;
}

} // namespace

bool input_is_terminal() {
    return isatty(STDIN_FILENO) == 1;
}

void terminal_mode_keys() {
    if (modes.raw_wanted || !input_is_terminal() || !save_once()) return;
    modes.raw_wanted = 1;
    apply(modes.raw);
}

void terminal_mode_lines() {
    if (!modes.raw_wanted) return;
    modes.raw_wanted = 0;
    apply(modes.original);
}

void terminal_mode_leave() {
    if (modes.saved) apply(modes.original);
}

void terminal_mode_resume() {
    if (modes.saved && modes.raw_wanted) apply(modes.raw);
}

#include "e2e/harness/x_display.hpp"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto start_timeout = std::chrono::seconds(20);

// Xvfb writes the display number and a newline once it accepts clients.
std::string read_display_number(int fd) {
    std::string number;
    auto deadline = std::chrono::steady_clock::now() + start_timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 100) <= 0) continue;
        char c = 0;
        if (read(fd, &c, 1) != 1) break;
        if (c == '\n') return number;
        number += c;
    }
    return {};
}

// A fault in a request of a test (a window that went away, say) must not end
// the test program, as Xlib's own handler would.
int ignore_x_error(Display*, XErrorEvent*) {
    return 0;
}

// Short repeat delay and interval, so that a held key repeats soon.
void speed_up_auto_repeat(Display* display) {
    XkbSetAutoRepeatRate(display, XkbUseCoreKbd, 250, 30);
    XSync(display, False);
}

} // namespace

void display_closer::operator()(x_connection display) const {
    XCloseDisplay(display);
}

display_connection connect_display(const std::string& name) {
    return display_connection(XOpenDisplay(name.c_str()));
}

x_display::x_display(const display_options& options) {
    XSetErrorHandler(ignore_x_error);
    start_server();
    if (!error_.empty()) return;
    speed_up_auto_repeat(connection());
    if (!options.keyboard_layout.empty() &&
        run({"setxkbmap", "-layout", options.keyboard_layout}) != 0)
        error_ = "setxkbmap -layout " + options.keyboard_layout + " failed";
    if (error_.empty() && options.window_manager) start_window_manager();
}

x_display::~x_display() {
    connection_.reset();
    window_manager_.stop();
    server_.stop();
}

void x_display::start_server() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error_ = "no pipe for Xvfb";
        return;
    }
    spawn_options options;
    options.inherited_fd = fds[1];
    options.quiet = true;
    server_ = child_process({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                             "1024x768x24", "-nolisten", "tcp"},
                            options);
    close(fds[1]);
    std::string number = read_display_number(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        error_ = "Xvfb did not report a display";
        return;
    }
    name_ = ":" + number;
    connection_ = connect_display(name_);
    if (!connection_) error_ = "cannot connect to Xvfb on " + name_;
}

bool x_display::window_manager_running() const {
    Display* display = connection();
    Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    int result = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                    XA_WINDOW, &type, &format, &count, &after, &data);
    bool found = result == Success && count == 1;
    if (data) XFree(data);
    return found;
}

void x_display::start_window_manager() {
    spawn_options options;
    options.environment = environment();
    options.quiet = true;
    window_manager_ = child_process({"openbox", "--sm-disable"}, options);
    auto deadline = std::chrono::steady_clock::now() + start_timeout;
    while (!window_manager_running()) {
        if (!window_manager_.running() || std::chrono::steady_clock::now() > deadline) {
            error_ = "openbox did not start";
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::optional<int> x_display::run(const std::vector<std::string>& argv) const {
    spawn_options options;
    options.environment = environment();
    return run_command(argv, options);
}

environment_changes x_display::environment() const {
    return {{"DISPLAY", name_}, {"XAUTHORITY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}};
}

int x_display::keycode_of(const std::string& keysym_name) const {
    KeySym keysym = XStringToKeysym(keysym_name.c_str());
    return keysym == NoSymbol ? 0 : XKeysymToKeycode(connection(), keysym);
}

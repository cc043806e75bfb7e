#include "e2e/harness/typing.hpp"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <string>

namespace {

// Between two key events: the game's window thread looks every 10 ms.
const std::string key_delay_ms = "15";

bool fake_key(Display* display, std::string_view keysym_name, bool down) {
    KeySym keysym = XStringToKeysym(std::string(keysym_name).c_str());
    KeyCode code = keysym == NoSymbol ? 0 : XKeysymToKeycode(display, keysym);
    if (code == 0) return false;
    XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    XSync(display, False);
    return true;
}

} // namespace

bool type_text(const x_display& display, std::string_view text) {
    if (text.empty()) return true;
    return display.run({"xdotool", "type", "--delay", key_delay_ms, "--", std::string(text)}) == 0;
}

bool press_keys(const x_display& display, const std::vector<std::string>& names) {
    if (names.empty()) return true;
    if (names.empty()) return true;
    std::vector<std::string> argv = {"xdotool", "key", "--delay", key_delay_ms};
    argv.insert(argv.end(), names.begin(), names.end());
    return display.run(argv) == 0;
}

bool hold_key(const x_display& display, std::string_view keysym_name) {
    return fake_key(display.connection(), keysym_name, true);
}

bool release_key(const x_display& display, std::string_view keysym_name) {
    return fake_key(display.connection(), keysym_name, false);
}

bool tap_key(const x_display& display, std::string_view keysym_name) {
    return hold_key(display, keysym_name) && release_key(display, keysym_name);
}

void set_num_lock(const x_display& display, bool on) {
    unsigned int mask = XkbKeysymToModifiers(display.connection(), XK_Num_Lock);
    XkbLockModifiers(display.connection(), XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(display.connection(), False);
}

void send_close_request(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

bool focus_window(const x_display& display, Window window) {
    if (display.has_window_manager())
        return display.run({"xdotool", "windowactivate", "--sync", std::to_string(window)}) == 0;
    XSetInputFocus(display.connection(), window, RevertToParent, CurrentTime);
    XSync(display.connection(), False);
    return true;
}

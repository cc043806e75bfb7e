// Key-to-echo latency: presses a character key with XTEST into a waiting
// line editor and polls the window's pixels until the echoed glyph shows;
// Backspace between presses keeps the line short. Prints one latency in ms
// per press. Usage: x_echo WINDOW-ID PRESSES
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct area {
    int x = 0, y = 0, width = 0, height = 0;
};

std::vector<unsigned long> pixels_of(Display* display, Window window, area a) {
    std::vector<unsigned long> out;
    XImage* image = XGetImage(display, window, a.x, a.y, a.width, a.height, AllPlanes, ZPixmap);
    if (image == nullptr) return out;
    out.reserve(static_cast<std::size_t>(a.width * a.height));
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) out.push_back(XGetPixel(image, x, y));
    XDestroyImage(image);
    return out;
}

void tap(Display* display, KeySym key) {
    KeyCode code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
}

// The smallest area holding every pixel that differs.
area changed_area(const std::vector<unsigned long>& a, const std::vector<unsigned long>& b,
                  int width) {
    int left = width, top = 1 << 30, right = -1, bottom = -1;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == b[i]) continue;
        int x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    if (right < 0) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

// How often the pixels were read while waiting for echoes, to show the
// polling is fine enough for the figures.
struct poll_record {
    long polls = 0, waits = 0;
    double waited_ms = 0;
};
poll_record polling;

// Milliseconds until the area shows want; negative on timeout.
double wait_for(Display* display, Window window, area a, const std::vector<unsigned long>& want,
                clock_type::time_point start) {
    while (clock_type::now() - start < 2s) {
        ++polling.polls;
        if (pixels_of(display, window, a) == want) {
            double ms =
                std::chrono::duration<double, std::milli>(clock_type::now() - start).count();
            polling.waited_ms += ms;
            ++polling.waits;
            return ms;
        }
        std::this_thread::sleep_for(100us);
    }
    return -1;
}

struct calibration {
    area cell;
    std::vector<unsigned long> before, after;
};

// One press of the key shows where the echo lands and what it looks like.
bool calibrate(Display* display, Window window, KeySym key, calibration& out) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    area whole{0, 0, attributes.width, attributes.height};
    auto before = pixels_of(display, window, whole);
    tap(display, key);
    std::this_thread::sleep_for(500ms);
    auto after = pixels_of(display, window, whole);
    out.cell = changed_area(before, after, whole.width);
    if (out.cell.width == 0) return false;
    out.before = pixels_of(display, window, out.cell);
    tap(display, XK_BackSpace);
    std::this_thread::sleep_for(500ms);
    out.after = out.before;
    out.before = pixels_of(display, window, out.cell);
    return out.before != out.after;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: x_echo WINDOW-ID PRESSES\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x_echo: no display\n");
        return 1;
    }
    Window window = std::strtoul(argv[1], nullptr, 0);
    int presses = std::atoi(argv[2]);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
    std::this_thread::sleep_for(300ms);

    calibration cal;
    if (!calibrate(display, window, XK_x, cal)) {
        std::fprintf(stderr, "x_echo: the key shows no echo\n");
        return 1;
    }
    std::mt19937 random(8);
    std::uniform_int_distribution<int> pause_ms(15, 120);
    for (int i = 0; i < presses; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pause_ms(random)));
        auto start = clock_type::now();
        tap(display, XK_x);
        double ms = wait_for(display, window, cal.cell, cal.after, start);
        if (ms < 0) {
            std::fprintf(stderr, "x_echo: press %d showed no echo\n", i + 1);
            return 1;
        }
        std::printf("%.3f\n", ms);
        tap(display, XK_BackSpace);
        if (wait_for(display, window, cal.cell, cal.before, clock_type::now()) < 0) {
            std::fprintf(stderr, "x_echo: Backspace after press %d erased nothing\n", i + 1);
            return 1;
        }
    }
    std::fprintf(stderr, "poll interval %.3f ms\n",
                 polling.waited_ms / std::max(1L, polling.polls - polling.waits));
    XCloseDisplay(display);
    return 0;
}

#include "e2e/harness/window_find.hpp"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <thread>
#include <vector>

namespace {

constexpr auto poll_interval = std::chrono::milliseconds(20);

std::string utf8_property(Display* display, Window window, const char* name) {
    Atom property = XInternAtom(display, name, False);
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(display, window, property, 0, 256, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 8)
        value.assign(reinterpret_cast<char*>(data), count);
    if (data) XFree(data);
    return value;
}

std::vector<Window> children_of(Display* display, Window window) {
    Window root = None, parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> result;
    if (XQueryTree(display, window, &root, &parent, &children, &count) && children)
        result.assign(children, children + count);
    if (children) XFree(children);
    return result;
}

Window find_below(Display* display, Window window, std::string_view title) {
    if (window_title(display, window) == title) return window;
    for (Window child : children_of(display, window))
        if (Window found = find_below(display, child, title)) return found;
    return None;
}

bool viewable(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

} // namespace

std::string window_title(Display* display, Window window) {
    std::string title = utf8_property(display, window, "_NET_WM_NAME");
    if (!title.empty()) return title;
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) title = name;
    if (name) XFree(name);
    return title;
}

Window find_window(Display* display, std::string_view title) {
    return find_below(display, DefaultRootWindow(display), title);
}

std::optional<Window> wait_for_window(Display* display, std::string_view title,
                                      std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        Window window = find_window(display, title);
        if (window && viewable(display, window)) return window;
        std::this_thread::sleep_for(poll_interval);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

bool wait_for_window_gone(Display* display, std::string_view title,
                          std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (find_window(display, title)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(poll_interval);
    }
    return true;
}

std::pair<int, int> window_size(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) return {0, 0};
    return {attributes.width, attributes.height};
}

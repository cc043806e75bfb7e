#include "console/window/x11_desktop.hpp"

#include <SDL_syswm.h>

#include <unistd.h>

namespace {

// Xlib is loaded by SDL's X11 driver at run time; taking its functions
// the same way keeps the program free of a link-time X dependency.
struct xlib_functions {
    Atom (*intern_atom)(Display*, const char*, Bool) = nullptr;
    Window (*default_root_window)(Display*) = nullptr;
    int (*get_window_property)(Display*, Window, Atom, long, long, Bool, Atom, Atom*, int*,
                               unsigned long*, unsigned long*, unsigned char**) = nullptr;
    int (*free)(void*) = nullptr;
    XIOErrorHandler (*set_io_error_handler)(XIOErrorHandler) = nullptr;
    bool loaded = false;
};

template <typename F>
void take(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(SDL_LoadFunction(library, name));
}

const xlib_functions& xlib() {
    static const xlib_functions functions = [] {
        xlib_functions f;
        void* library = SDL_LoadObject("libX11.so.6");
        if (!library) return f;
        take(library, "XInternAtom", f.intern_atom);
        take(library, "XDefaultRootWindow", f.default_root_window);
        take(library, "XGetWindowProperty", f.get_window_property);
        take(library, "XFree", f.free);
        take(library, "XSetIOErrorHandler", f.set_io_error_handler);
        f.loaded = f.intern_atom && f.default_root_window && f.get_window_property && f.free &&
                   f.set_io_error_handler;
        return f;
    }();
    return functions;
}

Display* x11_display_of(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info)) return nullptr;
    if (info.subsystem != SDL_SYSWM_X11) return nullptr;
    return xlib().loaded ? info.info.x11.display : nullptr;
}

// Xlib calls exit() once this returns, and exit() on the window thread
// would run screen_close there, which waits for that very thread.
int end_on_display_loss(Display*) {
    _exit(1);
}

XIOErrorHandler previous_handler = nullptr;
bool handler_installed = false;

} // namespace

bool x11_without_window_manager(SDL_Window* window) {
    Display* display = x11_display_of(window);
    if (!display) return false;
    const xlib_functions& x = xlib();
    Atom check = x.intern_atom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return true;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* value = nullptr;
    int status = x.get_window_property(display, x.default_root_window(display), check, 0, 1, False,
                                       XA_WINDOW, &type, &format, &count, &remaining, &value);
    bool present = status == Success && type == XA_WINDOW && count == 1;
    if (value) x.free(value);
    return !present;
}

void x11_exit_on_display_loss(SDL_Window* window) {
    if (handler_installed || !x11_display_of(window)) return;
    previous_handler = xlib().set_io_error_handler(end_on_display_loss);
    handler_installed = true;
}

void x11_exit_on_display_loss_release() {
    if (!handler_installed) return;
    xlib().set_io_error_handler(previous_handler);
    handler_installed = false;
}

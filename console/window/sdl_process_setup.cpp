#include "console/window/sdl_process_setup.hpp"

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>

namespace {

// With no session bus named, libdbus (which SDL uses for input methods and
// the screen saver) starts one through dbus-launch: a daemon that outlives
// the game where that works, and a leak where it fails. The user's own bus
// is where a session without the variable keeps it.
void name_session_bus() {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) return;
    std::string address = "unix:path=/nonexistent/bus";
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
        std::filesystem::path bus = std::filesystem::path(runtime) / "bus";
        std::error_code error;
        if (std::filesystem::exists(bus, error)) address = "unix:path=" + bus.string();
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 0);
}

} // namespace

void sdl_process_setup() {
    static std::once_flag once;
    std::call_once(once, [] {
        name_session_bus();
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
        // Screen saver suspension is ours to do, and to undo at close.
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    });
}

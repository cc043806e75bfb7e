#include "console/window/sdl_hints.hpp"

#include <SDL.h>

#include <mutex>

void sdl_process_hints() {
    static std::once_flag once;
    std::call_once(once, [] {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
        // Screen saver suspension is ours to do, and to undo at close.
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    });
}

#include "console/window/drawing_context.hpp"

#include "console/window/screen_state.hpp"

drawing_context& current_drawing_context() {
    thread_local drawing_context context;
    const screen_state* screen = current_screen();
    if (screen && context.serial != screen->serial) {
        context = drawing_context{};
        context.serial = screen->serial;
        context.clip_right = screen->width - 1;
        context.clip_bottom = screen->height - 1;
        context.foreground = screen->colour_mask;
        context.background = screen->colour_mask & 0xFF000000;
    }
    return context;
}

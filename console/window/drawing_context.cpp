#include "console/window/drawing_context.hpp"

#include "console/window/screen_state.hpp"

#include <algorithm>

std::uint32_t default_foreground(std::uint32_t colour_mask) {
    return colour_mask <= 0xFF ? std::min<std::uint32_t>(colour_mask, 15) : colour_mask;
}

std::uint32_t default_background(std::uint32_t colour_mask) {
    return colour_mask & 0xFF000000;
}

drawing_context& current_drawing_context() {
    thread_local drawing_context context;
    const screen_state* screen = current_screen();
    if (screen && context.serial != screen->serial) {
        context = drawing_context{};
        context.serial = screen->serial;
        context.clip_right = screen->width - 1;
        context.clip_bottom = screen->height - 1;
        context.foreground = default_foreground(screen->colour_mask);
        context.background = default_background(screen->colour_mask);
    }
    return context;
}

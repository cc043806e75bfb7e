#include "console/window/screen_state.hpp"

#include "console/window/backend.hpp"
#include "console/window/drawing_context.hpp"

#include <algorithm>

// The screen the whole process shares; owned by screen_open and screen_close.
screen_state* the_screen = nullptr;

screen_state* current_screen() {
    return the_screen;
}

void screen_lock() {
    if (!the_screen) return;
    if (the_screen->lock_count++ == 0) the_screen->chosen_backend->lock();
}

namespace {

void mark_rows(screen_state& s, std::int32_t first_row, std::int32_t last_row) {
    if (last_row < 0) last_row = s.height - 1;
    if (current_drawing_context().target_page != s.visible_page) return;
    first_row = std::max(first_row, 0);
    if (first_row <= last_row && last_row < s.height)
        std::fill(s.changed_rows.begin() + first_row, s.changed_rows.begin() + last_row + 1, 1);
}

} // namespace

void screen_unlock(std::int32_t first_row, std::int32_t last_row) {
    screen_state* s = the_screen;
    if (!s) return;
    if (s->lock_count == 0) {
        // The flags are the window thread's too: never touched unlocked.
        s->chosen_backend->lock();
        mark_rows(*s, first_row, last_row);
        s->chosen_backend->unlock();
        return;
    }
    mark_rows(*s, first_row, last_row);
    if (--s->lock_count == 0) s->chosen_backend->unlock();
}

#include "console/terminal/terminal.hpp"
#include "console/text/column_counter.hpp"
#include "console/text/text.hpp"
#include "console/text/text_view.hpp"
#include "console/text/text_writer.hpp"
#include "console/window/drawing_context.hpp"

#include <algorithm>

namespace {

enum class clearing { whole_page, view_rows, rectangle };

constexpr std::uint32_t mode_whole_page = 0;
constexpr std::uint32_t mode_view_rows = 2;

bool rectangle_set(const drawing_context& c, const screen_state& s) {
    return c.clip_left != 0 || c.clip_top != 0 || c.clip_right != s.width - 1 ||
           c.clip_bottom != s.height - 1;
}

clearing clearing_for(std::uint32_t mode, const screen_state& s) {
    if (mode == mode_whole_page) return clearing::whole_page;
    if (mode == mode_view_rows) return clearing::view_rows;
    if (mode != screen_clear_default || rectangle_set(current_drawing_context(), s))
        return clearing::rectangle;
    const text_view& view = current_text_view();
    bool all_rows = view.top == 0 && view.bottom == s.text_rows - 1;
    return all_rows ? clearing::whole_page : clearing::view_rows;
}

// Pixel rows first .. last - 1 across the whole width, strip included, with
// the cells of text rows first / 8 .. last / 8 - 1; the cursor goes home.
void clear_rows(text_writer& w, std::int32_t first, std::int32_t last) {
    fill_pixels(w, 0, w.screen.width, first, last);
    blank_rows(w, first / cell_size, std::min(last / cell_size, w.screen.text_rows));
    mark_changed(w, first, last - 1);
    cursor_set(w.top + 1, 1);
}

void clear_rectangle(text_writer& w) {
    const drawing_context& c = current_drawing_context();
    std::int32_t left = std::max(c.clip_left, 0);
    std::int32_t top = std::max(c.clip_top, 0);
    std::int32_t right = std::min(c.clip_right, w.screen.width - 1);
    std::int32_t bottom = std::min(c.clip_bottom, w.screen.height - 1);
    if (left > right || top > bottom) return;
    fill_pixels(w, left, right + 1, top, bottom + 1);
    mark_changed(w, top, bottom);
}

void clear_screen(screen_state& s, std::uint32_t mode) {
    screen_lock();
    text_writer w = text_writer_for(s);
    switch (clearing_for(mode, s)) {
    case clearing::whole_page: clear_rows(w, 0, s.height); break;
    case clearing::view_rows: clear_rows(w, w.top * cell_size, (w.bottom + 1) * cell_size); break;
    case clearing::rectangle: clear_rectangle(w); break;
    }
    screen_unlock(changed_first(w), changed_last(w));
}

} // namespace

void screen_clear(std::uint32_t mode) {
    if (screen_state* s = current_screen())
        clear_screen(*s, mode);
    else
        terminal_clear();
    column_counter_set(0);
}

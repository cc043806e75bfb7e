#include "console/text/column_counter.hpp"
#include "console/text/text.hpp"
#include "console/text/text_view.hpp"
#include "console/window/screen_state.hpp"

namespace {

// Without a screen the terminal stands in with the game's grid, so print
// zones fall where they would on the screen.
constexpr std::int32_t terminal_columns = 62;
constexpr std::int32_t terminal_rows = 50;

bool inside(std::int32_t value, std::int32_t first, std::int32_t last) {
    return value >= first && value <= last;
}

} // namespace

void cursor_set(std::int32_t row, std::int32_t column) {
    screen_state* s = current_screen();
    if (!s) return;
    const text_view& view = current_text_view();
    bool row_ok = row == 0 || inside(row, view.top + 1, view.bottom + 1);
    bool column_ok = column == 0 || inside(column, 1, s->text_columns);
    if (!row_ok || !column_ok) row = column = 0;
    s->flag_word &= ~flag_wrap_pending;
    if (column > 0) s->cursor_column = column - 1;
    if (row > 0) s->cursor_row = row - 1;
    column_counter_set(s->cursor_column);
}

std::pair<std::int32_t, std::int32_t> cursor_get() {
    const screen_state* s = current_screen();
    if (!s) return {1, 1};
    return {s->cursor_column + 1, s->cursor_row + 1};
}

std::pair<std::int32_t, std::int32_t> text_grid_size() {
    const screen_state* s = current_screen();
    if (!s) return {terminal_columns, terminal_rows};
    return {s->text_columns, s->text_rows};
}

#include "console/text/column_counter.hpp"
#include "console/text/text.hpp"
#include "console/text/text_view.hpp"
#include "console/text/text_writer.hpp"
#include "console/window/drawing_context.hpp"

void text_screen_opened() {
    screen_state* s = current_screen();
    if (!s) return;
    const drawing_context& colours = current_drawing_context();
    text_cell blank{blank_character, colours.foreground, colours.background};
    s->text_grids.assign(
        static_cast<std::size_t>(s->page_count),
        std::vector<text_cell>(static_cast<std::size_t>(s->text_columns) * s->text_rows, blank));
    current_text_view() = {.top = 0, .bottom = s->text_rows - 1};
    cursor_set(1, 1);
    column_counter_set(0);
}

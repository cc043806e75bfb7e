#include "console/text/text_view.hpp"
#include "console/text/text_writer.hpp"
#include "console/window/drawing_context.hpp"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::uint8_t cursor_mark_byte = 255;

std::uint32_t* pixel_row(text_writer& w, std::int32_t y) {
    return w.pixels + static_cast<std::ptrdiff_t>(y) * w.screen.width;
}

void draw_glyph(text_writer& w, std::int32_t column, std::uint8_t byte) {
    const std::uint8_t* glyph = w.screen.font + byte * cell_size;
    for (std::int32_t row = 0; row < cell_size; ++row) {
        std::uint32_t* pixel = pixel_row(w, w.y * cell_size + row) + column * cell_size;
        for (std::int32_t bit = 0; bit < cell_size; ++bit)
            pixel[bit] = (glyph[row] >> bit) & 1 ? w.foreground : w.background;
    }
}

// The bottom pixel row of the cell; the seven above keep what they show.
void draw_cursor_mark(text_writer& w, std::int32_t column) {
    std::uint32_t* pixel = pixel_row(w, w.y * cell_size + cell_size - 1) + column * cell_size;
    std::fill(pixel, pixel + cell_size, w.foreground);
}

} // namespace

text_writer text_writer_for(screen_state& screen) {
    const drawing_context& colours = current_drawing_context();
    const text_view& view = current_text_view();
    return text_writer{
        .screen = screen,
        .pixels = screen.page_table[text_work_page],
        .cells = screen.text_grids[text_work_page],
        .foreground = colours.foreground,
        .background = colours.background,
        .columns = screen.text_columns,
        .top = view.top,
        .bottom = view.bottom,
        .x = screen.cursor_column,
        .y = screen.cursor_row,
    };
}

void mark_changed(text_writer& w, std::int32_t first_pixel_row, std::int32_t last_pixel_row) {
    w.first_changed = std::min(w.first_changed, first_pixel_row);
    w.last_changed = std::max(w.last_changed, last_pixel_row);
}

std::int32_t changed_first(const text_writer& w) {
    return w.last_changed < 0 ? 1 : w.first_changed;
}

std::int32_t changed_last(const text_writer& w) {
    return w.last_changed < 0 ? 0 : w.last_changed;
}

void draw_cells(text_writer& w, const char* bytes, std::int32_t k) {
    bool cursor_mark = k == 1 && static_cast<std::uint8_t>(bytes[0]) == cursor_mark_byte;
    for (std::int32_t i = 0; i < k; ++i) {
        auto byte = static_cast<std::uint8_t>(bytes[i]);
        std::int32_t column = w.x + i;
        if (cursor_mark)
            draw_cursor_mark(w, column);
        else
            draw_glyph(w, column, byte);
        w.cells[static_cast<std::size_t>(w.y * w.columns + column)] = {byte, w.foreground,
                                                                       w.background};
    }
    mark_changed(w, w.y * cell_size, w.y * cell_size + cell_size - 1);
}

void fill_pixels(text_writer& w, std::int32_t x0, std::int32_t x1, std::int32_t y0,
                 std::int32_t y1) {
    for (std::int32_t y = y0; y < y1; ++y)
        std::fill(pixel_row(w, y) + x0, pixel_row(w, y) + x1, w.background);
}

void blank_rows(text_writer& w, std::int32_t first, std::int32_t last) {
    auto begin = w.cells.begin() + static_cast<std::ptrdiff_t>(first) * w.columns;
    auto end = w.cells.begin() + static_cast<std::ptrdiff_t>(last) * w.columns;
    std::fill(begin, end, text_cell{blank_character, w.foreground, w.background});
}

#include "console/text/text_view.hpp"
#include "console/text/text_writer.hpp"
#include "console/window/drawing_context.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

namespace {

constexpr std::uint8_t cursor_mark_byte = 255;

std::uint32_t* pixel_row(text_writer& w, std::int32_t y) {
    return w.pixels + static_cast<std::ptrdiff_t>(y) * w.screen.width;
}

// The eight pixels of every glyph row byte in the writer's colours. Built
// once per colour pair, so a row of a glyph is eight copied stores.
using row_patterns = std::array<std::array<std::uint32_t, cell_size>, 256>;

const row_patterns& patterns_for(std::uint32_t foreground, std::uint32_t background) {
    thread_local row_patterns patterns;
    thread_local std::uint32_t built_foreground = 0;
    thread_local std::uint32_t built_background = 0;
    thread_local bool built = false;
    if (!built || built_foreground != foreground || built_background != background) {
        for (std::size_t bits = 0; bits < patterns.size(); ++bits)
            for (std::int32_t bit = 0; bit < cell_size; ++bit)
                patterns[bits][bit] = (bits >> bit) & 1 ? foreground : background;
        built_foreground = foreground;
        built_background = background;
        built = true;
    }
    return patterns;
}

// Row by row across the run, so the stores go along the framebuffer.
void draw_glyphs(text_writer& w, const char* bytes, std::int32_t k) {
    const row_patterns& patterns = patterns_for(w.foreground, w.background);
    for (std::int32_t row = 0; row < cell_size; ++row) {
        std::uint32_t* pixel = pixel_row(w, w.y * cell_size + row) + w.x * cell_size;
        for (std::int32_t i = 0; i < k; ++i, pixel += cell_size) {
            const std::uint8_t bits =
                w.screen.font[static_cast<std::uint8_t>(bytes[i]) * cell_size + row];
            std::memcpy(pixel, patterns[bits].data(), sizeof patterns[bits]);
        }
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
    if (k == 1 && static_cast<std::uint8_t>(bytes[0]) == cursor_mark_byte)
        draw_cursor_mark(w, w.x);
    else
        draw_glyphs(w, bytes, k);
    for (std::int32_t i = 0; i < k; ++i)
        w.cells[static_cast<std::size_t>(w.y * w.columns + w.x + i)] = {
            static_cast<std::uint8_t>(bytes[i]), w.foreground, w.background};
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

// What a write to the screen works on: the work page and its cells, the
// colours, the view and the cursor, and the pixel rows it changed so far.
#pragma once

#include "console/window/screen_state.hpp"

#include <cstdint>
#include <limits>
#include <vector>

// Text always goes to this page, whatever graphics operations target.
inline constexpr std::int32_t text_work_page = 0;
inline constexpr std::int32_t cell_size = 8;
inline constexpr std::uint16_t blank_character = 32;

struct text_writer {
    screen_state& screen;
    std::uint32_t* pixels;
    std::vector<text_cell>& cells;
    std::uint32_t foreground;
    std::uint32_t background;
    std::int32_t columns;
    std::int32_t top, bottom; // the text view
    std::int32_t x, y;        // the cursor, from 0
    std::int32_t first_changed = std::numeric_limits<std::int32_t>::max();
    std::int32_t last_changed = -1;
};

// A writer at the screen's cursor, in the calling thread's colours.
text_writer text_writer_for(screen_state& screen);

void mark_changed(text_writer& w, std::int32_t first_pixel_row, std::int32_t last_pixel_row);
// The first and last pixel row changed, as screen_unlock takes them: (1, 0)
// when nothing changed.
std::int32_t changed_first(const text_writer& w);
std::int32_t changed_last(const text_writer& w);

// Draws k bytes into the cells x .. x + k - 1 of row y; the single byte 255
// draws the cursor mark.
void draw_cells(text_writer& w, const char* bytes, std::int32_t k);
// Moves the view's rows up by n, pixels and cells together; y becomes bottom.
void scroll_view(text_writer& w, std::int32_t n);

// Fills pixel columns x0 .. x1 - 1 of pixel rows y0 .. y1 - 1.
void fill_pixels(text_writer& w, std::int32_t x0, std::int32_t x1, std::int32_t y0,
                 std::int32_t y1);
// Blanks text rows first .. last - 1 of the cell grid.
void blank_rows(text_writer& w, std::int32_t first, std::int32_t last);

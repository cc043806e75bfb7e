// Reading a picture of the game's screen back into its grid of character
// cells, with the game's own 8 x 8 font, white on black.
#pragma once

#include "e2e/harness/picture.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int screen_width = 500;
inline constexpr int screen_height = 400;
inline constexpr int text_columns = 62;
inline constexpr int text_rows = 50;

inline constexpr std::uint32_t white = 0xFFFFFF;
inline constexpr std::uint32_t black = 0x000000;

// Stands in a decoded row for a cell that matches no glyph. Byte 0 draws as
// a blank, which decodes as 32, so it never shows up otherwise.
inline constexpr char unknown_cell = '\0';

// Column and row, counted from 1.
struct cell_position {
    int column = 0;
    int row = 0;
    bool operator==(const cell_position&) const = default;
};

struct decoded_screen {
    std::array<std::string, text_rows> rows; // text_columns bytes each
    std::vector<cell_position> cursor_marks;
    int unknown_cells = 0;
    // Pixels neither white nor black, and lit pixels in the strip right of
    // the last column.
    int stray_pixels = 0;
    int lit_strip_pixels = 0;
};

decoded_screen decode_screen(const picture& image);

// The byte that a cell showing glyph b decodes as: b itself, or the byte
// chosen for glyphs that look alike (every blank decodes as 32).
char decoded_byte(char b);

// Draws text into a picture as the game would: cell (column, row) from 1,
// white on black; a cursor mark adds the cell's bottom pixel row.
void draw_cells(picture& image, cell_position at, const std::string& bytes);
void draw_cursor_mark(picture& image, cell_position at);

// Text output on the graphics screen: the write underneath the print
// operations, the cursor, and the steps screen_open asks of text output.
#pragma once

#include "console/console.hpp"

#include <cstdint>
#include <utility>

inline constexpr std::int32_t write_carry_wrap = 8;

// Writes length bytes at the cursor with wrapping and scrolling. Flag value
// write_carry_wrap carries out a pending wrap even when length is 0.
void console_write(const char* bytes, std::int32_t length, std::int32_t flags);

// Row and column counted from 1; 0 keeps that coordinate.
void cursor_set(std::int32_t row, std::int32_t column);
// Column and row of the cursor, counted from 1.
std::pair<std::int32_t, std::int32_t> cursor_get();
// Text columns and text rows.
std::pair<std::int32_t, std::int32_t> text_grid_size();

void print_signed(std::int32_t v, std::int32_t mask);

// The 8 x 8 font, 256 glyphs of 8 bytes; unpacked on first use.
const std::uint8_t* font_8x8();

// Steps of screen_open: cell grids for every page, then the view over all
// rows, the cursor on row 1, column 1 and the column counter 0.
void text_screen_opened();

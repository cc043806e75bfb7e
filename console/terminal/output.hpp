// What the console shows on the terminal, and where on its row the output
// stands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The bytes terminal_write sends for bytes: code page 437 characters in
// UTF-8, with carriage return, line feed, tab, backspace and bell kept.
std::string terminal_text(std::string_view bytes);

// Sends bytes as they are: the editor's text and cursor movements.
void terminal_put(std::string_view bytes);
void terminal_flush();

// Cells written since the last carriage return or line feed.
std::int32_t terminal_column();
void terminal_set_column(std::int32_t column);

// Ends the row the output stands in, if it has begun one.
void terminal_end_row();

bool output_is_terminal();
// Columns of the terminal; 80 when it tells none.
std::int32_t terminal_width();

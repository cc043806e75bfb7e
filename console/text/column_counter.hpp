// Where the print operations stand in the row, for print zones: the bytes
// they wrote since their last line break, modulo the text columns. One for
// the whole program, on the screen and on the terminal alike.
#pragma once

#include <cstdint>
#include <string_view>

std::int32_t column_counter();
void column_counter_set(std::int32_t column);
// Counts one write of a print operation.
void column_counter_count(std::string_view written);

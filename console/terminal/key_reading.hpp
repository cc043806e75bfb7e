// Standard input as keys and lines; its end ends the game.
#pragma once

#include "console/console.hpp"

#include <cstdint>

// What next_terminal_key gives when the terminal was resized or continued
// after a stop, so that what is shown can be drawn anew.
inline constexpr std::int32_t terminal_change_key = -1;

// The next key pressed on the terminal. wait: block until one comes;
// otherwise 0 when none is waiting.
std::int32_t next_terminal_key(bool wait);

// The next line of standard input as code page 437 bytes, without its line
// feed and a carriage return before it; the terminal edits it if it is one.
byte_string read_plain_line();

// Ends the row the output stands in and the game, with status 0.
[[noreturn]] void end_of_input();

// The console on the terminal the process was started from, for when no
// window screen is open.
#pragma once

#include "console/console.hpp"

#include <cstdint>

// Shows bytes as their code page 437 characters; "\r\n" ends a line.
void terminal_write(const char* bytes, std::int32_t length);
void terminal_clear();
// One key press as a key code; a byte when standard input is no terminal.
std::int32_t terminal_wait_key();
// The key operations on the terminal: whether a key is waiting, and the
// next key in its string form (empty when none is waiting).
std::int32_t terminal_key_available();
byte_string terminal_read_key();
// Prompt, then one edited line into the input state. Ends the game with
// status 0 at the end of standard input.
std::int32_t terminal_input_begin(const std::optional<byte_string>& prompt,
                                  std::int32_t add_question, std::int32_t add_newline);

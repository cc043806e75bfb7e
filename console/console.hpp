// The console operations the riddle calls. They act on the window screen
// while one is open, and on the terminal the process was started from
// otherwise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A length-counted sequence of 8-bit bytes, shown and typed as code page 437.
// Bytes above 127 are stored in char as they are; read them through
// unsigned char.
using byte_string = std::string;

// Opens the screen: 0 when it is open, 1 for a refused argument or when no
// back-end could open it.
std::int32_t screen_open(std::int32_t width, std::int32_t height, std::int32_t depth,
                         std::int32_t pages, std::int32_t flags, std::int32_t refresh);

inline constexpr std::uint32_t screen_clear_default = 0xFFFF0000;
void screen_clear(std::uint32_t mode = screen_clear_default);

// Print mask bits.
inline constexpr std::int32_t print_line_break = 1;
inline constexpr std::int32_t print_zone = 2;
inline constexpr std::int32_t print_line_break_too = 4;
inline constexpr std::int32_t print_trailing_blank = 0x10;

void print_text(const byte_string& s, std::int32_t mask);
void print_unsigned(std::uint32_t v, std::int32_t mask);

// Blocks until a key code is waiting and returns it; never 0.
std::int32_t wait_key();

// Shows the prompt, edits one line until Enter and keeps it for
// input_take_string. 0, or 4 when no memory is left for the line.
std::int32_t input_begin(const std::optional<byte_string>& prompt, std::int32_t add_question,
                         std::int32_t add_newline);

// Replaces destination by the next item of the last line; always 0.
std::int32_t input_take_string(byte_string& destination);

// Ends the process with status; the screen closes on the way out.
[[noreturn]] void program_end(std::int32_t status);

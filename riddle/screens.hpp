// Every text the riddle shows, line by line.
#pragma once

#include "console/console.hpp"

#include <array>
#include <span>
#include <string_view>

// A line of a screen; printed with print_text and a line break.
using screen_line = std::string_view;

extern const std::array<screen_line, 14> greeting_screen;
extern const std::array<screen_line, 5> level_2_screen;
extern const std::array<screen_line, 6> level_3_screen;
extern const std::array<screen_line, 7> level_4_screen;

// The 26-character address whose character codes are the level-1 clue.
inline constexpr std::string_view level_1_address = "www.geheimeloesung.example";

inline constexpr std::string_view answer_prompt = " >";
inline constexpr std::string_view blank_line = " ";
inline constexpr std::string_view empty_line = "";

// Praise after a right answer on level n, 1 to 4.
screen_line praise_after_level(int level);

inline constexpr std::string_view rebuke = " Falsch, ganz falsch";
extern const std::array<screen_line, 3> last_level_rebuke;

// Prints every line of a screen with print_text and mask 1.
void print_lines(std::span<const screen_line> lines);

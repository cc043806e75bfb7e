// The riddle's solutions and the byte-string operations that check them.
#pragma once

#include "console/console.hpp"

#include <array>

// Nine one-byte entries; entry n is answer_table[n - 1].
using answer_table = std::array<byte_string, 9>;

answer_table filled_answer_table();

// The constant level 4 wants: '#' and two black squares of code page 437.
inline const byte_string level_4_answer = "\x23\xFE\xFE";

byte_string join(const byte_string& first, const byte_string& second);
// a-z become A-Z; every other byte, those above 127 included, stays.
byte_string upper_case(const byte_string& s);
bool equal(const byte_string& a, const byte_string& b);

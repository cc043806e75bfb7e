// Comparing a decoded screen with the expected one, whole screen, row by row.
#pragma once

#include "e2e/harness/expected_screen.hpp"

#include <string>

// What differs, one line per differing row and for the cursor mark, the
// stray pixels and the right-hand strip; empty when the screens agree.
std::string screen_difference(const expected_screen& expected, const decoded_screen& decoded);

// A row for people: printable ASCII as it is, other bytes as \xNN, a cell
// that matched no glyph as {?}; trailing blanks cut.
std::string readable_row(const std::string& row);

// Every row of a decoded screen, numbered, with the cursor marks.
std::string readable_screen(const decoded_screen& decoded);
std::string readable_screen(const expected_screen& expected);

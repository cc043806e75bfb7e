// The memory-only screen with read-back helpers for text output: cells,
// pixels as the font should show them, and the flagged pixel rows.
#pragma once

#include "console/text/text.hpp"
#include "console/window/screen_state.hpp"
#include "support/null_screen.hpp"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr std::uint32_t white = 0xFFFFFFFF;
inline constexpr std::uint32_t black = 0xFF000000;

class text_screen : public null_screen {
  protected:
    static void write(std::string_view bytes);
    // Column and row, from 1.
    static std::pair<int, int> cursor() { return cursor_get(); }
    static const text_cell& cell(int column, int row);
    // Whether the 64 pixels of the cell show glyph byte in the cell's colours.
    static bool cell_shows(int column, int row, std::uint8_t byte);
    // Whether the cell shows the cursor mark over glyph under.
    static bool cell_shows_mark(int column, int row, std::uint8_t under);
    // The first cell whose pixels differ from what its record holds, as
    // "column,row"; empty when pixels and cells agree everywhere.
    static std::string picture_mismatch();
    // Fills text rows first..last with c; the cursor goes back to row 1.
    static void fill_rows(int first, int last, char c);
    // Pixel row y of the strip gets colour + y, so that a copy shows.
    static void paint_strip(std::uint32_t colour);
    static bool strip_is(std::uint32_t colour);
    static std::vector<std::uint32_t> picture();
    static std::vector<text_cell> cells();
    static void clear_changed_rows();
    // First and last flagged pixel row; (-1, -1) when none is.
    static std::pair<int, int> changed_range();
};

std::string repeated(char c, int n);

// Each test file keeps its cases in this TU's unnamed namespace; gtest names
// a failing case by its name rather than its bytes.
namespace {
template <typename Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}
} // namespace
bool same_cells(const std::vector<text_cell>& a, const std::vector<text_cell>& b);

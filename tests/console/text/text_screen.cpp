#include "text_screen.hpp"

#include <algorithm>

namespace {
constexpr int strip_left = 496;
} // namespace

void text_screen::write(std::string_view bytes) {
    console_write(bytes.data(), static_cast<std::int32_t>(bytes.size()), 0);
}

const text_cell& text_screen::cell(int column, int row) {
    const screen_state* s = current_screen();
    return s->text_grids[0][static_cast<std::size_t>((row - 1) * s->text_columns + column - 1)];
}

namespace {

bool pixel_row_shows(int column, int row, int y, std::uint8_t bits, std::uint32_t fg,
                     std::uint32_t bg) {
    const screen_state* s = current_screen();
    const std::uint32_t* pixels = s->page_table[0] + ((row - 1) * 8 + y) * s->width;
    for (int bit = 0; bit < 8; ++bit)
        if (pixels[(column - 1) * 8 + bit] != ((bits >> bit) & 1 ? fg : bg)) return false;
    return true;
}

} // namespace

bool text_screen::cell_shows(int column, int row, std::uint8_t byte) {
    const text_cell& c = cell(column, row);
    const std::uint8_t* glyph = font_8x8() + byte * 8;
    for (int y = 0; y < 8; ++y)
        if (!pixel_row_shows(column, row, y, glyph[y], c.foreground, c.background)) return false;
    return true;
}

bool text_screen::cell_shows_mark(int column, int row, std::uint8_t under) {
    const text_cell& c = cell(column, row);
    const std::uint8_t* glyph = font_8x8() + under * 8;
    for (int y = 0; y < 7; ++y)
        if (!pixel_row_shows(column, row, y, glyph[y], c.foreground, c.background)) return false;
    return pixel_row_shows(column, row, 7, 0xFF, c.foreground, c.background);
}

std::string text_screen::picture_mismatch() {
    const screen_state* s = current_screen();
    for (int row = 1; row <= s->text_rows; ++row)
        for (int column = 1; column <= s->text_columns; ++column)
            if (!cell_shows(column, row, static_cast<std::uint8_t>(cell(column, row).character)))
                return std::to_string(column) + "," + std::to_string(row);
    return "";
}

void text_screen::fill_rows(int first, int last, char c) {
    cursor_set(first, 1);
    write(repeated(c, 62 * (last - first + 1)));
    cursor_set(1, 1);
}

void text_screen::paint_strip(std::uint32_t colour) {
    screen_state* s = current_screen();
    for (int y = 0; y < s->height; ++y)
        std::fill_n(s->page_table[0] + y * s->width + strip_left, s->width - strip_left,
                    colour + static_cast<std::uint32_t>(y));
}

bool text_screen::strip_is(std::uint32_t colour) {
    const screen_state* s = current_screen();
    for (int y = 0; y < s->height; ++y)
        for (int x = strip_left; x < s->width; ++x)
            if (pixel(x, y) != colour + static_cast<std::uint32_t>(y)) return false;
    return true;
}

std::vector<std::uint32_t> text_screen::picture() {
    const screen_state* s = current_screen();
    return {s->page_table[0], s->page_table[0] + s->width * s->height};
}

std::vector<text_cell> text_screen::cells() {
    return current_screen()->text_grids[0];
}

void text_screen::clear_changed_rows() {
    auto& rows = current_screen()->changed_rows;
    std::fill(rows.begin(), rows.end(), 0);
}

std::pair<int, int> text_screen::changed_range() {
    const auto& rows = current_screen()->changed_rows;
    auto first = std::find(rows.begin(), rows.end(), 1);
    if (first == rows.end()) return {-1, -1};
    auto last = std::find(rows.rbegin(), rows.rend(), 1);
    return {static_cast<int>(first - rows.begin()), static_cast<int>(rows.rend() - last - 1)};
}

bool same_cells(const std::vector<text_cell>& a, const std::vector<text_cell>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const text_cell& x, const text_cell& y) {
                          return x.character == y.character && x.foreground == y.foreground &&
                                 x.background == y.background;
                      });
}

std::string repeated(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

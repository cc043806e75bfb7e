#include "e2e/harness/screen_compare.hpp"

#include <cstdio>
#include <sstream>

namespace {

std::string as_decoded(const std::string& expected_row) {
    std::string row = expected_row;
    row.resize(text_columns, ' ');
    for (char& c : row) c = decoded_byte(c);
    return row;
}

std::string describe(const std::optional<cell_position>& cursor) {
    if (!cursor) return "none";
    return "column " + std::to_string(cursor->column) + ", row " + std::to_string(cursor->row);
}

std::string describe(const std::vector<cell_position>& marks) {
    if (marks.empty()) return "none";
    std::string text;
    for (const cell_position& mark : marks) text += (text.empty() ? "" : "; ") + describe(mark);
    return text;
}

void compare_cursor(const expected_screen& expected, const decoded_screen& decoded,
                    std::ostringstream& out) {
    bool same = expected.cursor ? decoded.cursor_marks == std::vector{*expected.cursor}
                                : decoded.cursor_marks.empty();
    if (!same)
        out << "cursor mark: expected " << describe(expected.cursor) << ", decoded "
            << describe(decoded.cursor_marks) << '\n';
}

} // namespace

std::string screen_difference(const expected_screen& expected, const decoded_screen& decoded) {
    std::ostringstream out;
    for (int r = 0; r < text_rows; ++r) {
        std::size_t i = static_cast<std::size_t>(r);
        if (as_decoded(expected.rows[i]) == decoded.rows[i]) continue;
        out << "row " << r + 1 << ": expected \"" << readable_row(expected.rows[i]) << "\"\n"
            << std::string(std::to_string(r + 1).size() + 6, ' ') << "decoded  \""
            << readable_row(decoded.rows[i]) << "\"\n";
    }
    compare_cursor(expected, decoded, out);
    if (decoded.stray_pixels > 0)
        out << decoded.stray_pixels << " pixels in the cells are neither white nor black\n";
    if (decoded.lit_strip_pixels > 0)
        out << decoded.lit_strip_pixels << " pixels of columns 496-499 are not black\n";
    return out.str();
}

std::string readable_row(const std::string& row) {
    std::string text;
    for (char c : row) {
        auto b = static_cast<unsigned char>(c);
        if (c == unknown_cell) {
            text += "{?}";
        } else if (b >= 32 && b < 127 && c != '\\') {
            text += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
            text += escaped;
        }
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string readable_screen(const decoded_screen& decoded) {
    std::ostringstream out;
    for (int r = 0; r < text_rows; ++r)
        out << (r + 1 < 10 ? " " : "") << r + 1 << " |"
            << readable_row(decoded.rows[static_cast<std::size_t>(r)]) << '\n';
    out << "cursor mark: " << describe(decoded.cursor_marks) << '\n';
    return out.str();
}

std::string readable_screen(const expected_screen& expected) {
    decoded_screen as_screen;
    for (int r = 0; r < text_rows; ++r)
        as_screen.rows[static_cast<std::size_t>(r)] =
            as_decoded(expected.rows[static_cast<std::size_t>(r)]);
    if (expected.cursor) as_screen.cursor_marks.push_back(*expected.cursor);
    return readable_screen(as_screen);
}

#include "console/input/line_edit.hpp"
#include "console/text/text.hpp"
#include "console/window/screen_state.hpp"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr auto blanks = [] {
    std::array<char, 1024> a{};
    a.fill(' ');
    return a;
}();

// console_write takes a 32-bit length; a line has no such limit.
void write_bytes(std::string_view bytes) {
    constexpr std::size_t chunk = std::size_t{1} << 20;
    while (!bytes.empty()) {
        const std::size_t n = std::min(bytes.size(), chunk);
        console_write(bytes.data(), static_cast<std::int32_t>(n), 0);
        bytes.remove_prefix(n);
    }
}

void write_blanks(std::size_t n) {
    while (n > 0) {
        const std::size_t k = std::min(n, blanks.size());
        console_write(blanks.data(), static_cast<std::int32_t>(k), 0);
        n -= k;
    }
}

// After a byte in the bottom-right cell the cursor stays parked there with
// the wrap pending; the cell after that byte lies just below the bottom row.
cell cell_after_write(const line_edit& e) {
    const screen_state* s = current_screen();
    if (s && (s->flag_word & flag_wrap_pending)) return {1, e.height + 1};
    return current_cell();
}

// A lone 255 draws the mark alone and keeps the glyph above it, here the
// deleted byte's: the cell is blanked first.
void write_tail(const line_edit& e) {
    const std::string_view tail = std::string_view(e.text).substr(e.index);
    if (tail == "\xff") {
        console_write(" ", 1, 0);
        cursor_set(e.cursor.row, e.cursor.column);
    }
    write_bytes(tail);
}

} // namespace

void insert_bytes(line_edit& e, const char* bytes, std::size_t n) {
    e.text.insert(e.index, bytes, n);
    const std::size_t after = e.text.size() - e.index - n;
    write_bytes(std::string_view(e.text).substr(e.index));
    // The write may have scrolled, so the target is counted back from its end.
    const std::int64_t moved =
        move_cursor(e, cell_after_write(e), -static_cast<std::int64_t>(after));
    e.index = static_cast<std::size_t>(static_cast<std::int64_t>(e.text.size()) + moved);
}

void delete_bytes(line_edit& e, std::size_t n) {
    e.text.erase(e.index, n);
    write_tail(e);
    write_blanks(n);
    cursor_set(e.cursor.row, e.cursor.column);
}

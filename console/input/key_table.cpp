#include "console/input/line_edit.hpp"
#include "console/keyboard/keyboard.hpp"
#include "console/window/platform.hpp"

#include <algorithm>
#include <array>

namespace {

constexpr std::int32_t key_backspace = 8;
constexpr std::int32_t key_tab = 9;
constexpr std::int32_t key_line_feed = 10;
constexpr std::int32_t key_enter = 13;
constexpr std::int32_t key_escape = 27;
constexpr std::int32_t key_home = extended_key(0x47);
constexpr std::int32_t key_up = extended_key(0x48);
constexpr std::int32_t key_left = extended_key(0x4B);
constexpr std::int32_t key_right = extended_key(0x4D);
constexpr std::int32_t key_end = extended_key(0x4F);
constexpr std::int32_t key_down = extended_key(0x50);
constexpr std::int32_t key_delete = extended_key(0x53);

constexpr std::int32_t tab_stop = 8;
constexpr std::int32_t refusal_hertz = 1000;
constexpr std::int32_t refusal_ms = 250;

std::int64_t signed_size(std::size_t n) {
    return static_cast<std::int64_t>(n);
}

void insert_character(line_edit& e, std::int32_t key) {
    const char byte = static_cast<char>(key);
    insert_bytes(e, &byte, 1);
}

void tab(line_edit& e, std::int32_t) {
    static constexpr char blanks[tab_stop + 1] = "        ";
    insert_bytes(e, blanks, tab_stop - e.index % tab_stop);
}

void backspace(line_edit& e, std::int32_t) {
    if (e.index == 0) return;
    // Nothing to delete where the cell before has scrolled off the top.
    if (move_cursor(e, e.cursor, -1) == 0) return;
    --e.index;
    delete_bytes(e, 1);
}

void delete_forward(line_edit& e, std::int32_t) {
    if (e.index == e.text.size()) return platform_tone(refusal_hertz, refusal_ms);
    delete_bytes(e, 1);
}

void escape(line_edit& e, std::int32_t) {
    move_index(e, -signed_size(e.index));
    // Bytes before the index now have scrolled off the top: no cell to blank.
    e.text.erase(0, e.index);
    e.index = 0;
    if (!e.text.empty()) delete_bytes(e, e.text.size());
}

void home(line_edit& e, std::int32_t) {
    move_index(e, -signed_size(e.index));
}

void end(line_edit& e, std::int32_t) {
    move_index(e, signed_size(e.text.size() - e.index));
}

void left(line_edit& e, std::int32_t) {
    if (e.index > 0) move_index(e, -1);
}

void right(line_edit& e, std::int32_t) {
    if (e.index < e.text.size()) move_index(e, 1);
}

void up(line_edit& e, std::int32_t) {
    const auto w = static_cast<std::size_t>(e.width);
    if (e.index >= w) move_index(e, -signed_size(w));
}

void down(line_edit& e, std::int32_t) {
    const auto w = static_cast<std::size_t>(e.width);
    if (e.index + w <= e.text.size()) move_index(e, signed_size(w));
}

// Enter prints nothing: the line break after it is the caller's.
void finish(line_edit& e, std::int32_t key) {
    end(e, key);
    e.done = true;
}

struct key_binding {
    std::int32_t first;
    std::int32_t last;
    void (*handler)(line_edit&, std::int32_t key);
};

// Every code not listed, the window-close key among them, is ignored.
constexpr std::array<key_binding, 13> key_table = {{
    {32, 255, insert_character},
    {key_tab, key_tab, tab},
    {key_backspace, key_backspace, backspace},
    {key_delete, key_delete, delete_forward},
    {key_escape, key_escape, escape},
    {key_home, key_home, home},
    {key_end, key_end, end},
    {key_left, key_left, left},
    {key_right, key_right, right},
    {key_up, key_up, up},
    {key_down, key_down, down},
    {key_enter, key_enter, finish},
    {key_line_feed, key_line_feed, finish},
}};

} // namespace

void apply_key(line_edit& e, std::int32_t key) {
    const auto it = std::find_if(key_table.begin(), key_table.end(), [key](const key_binding& b) {
        return b.first <= key && key <= b.last;
    });
    if (it != key_table.end()) it->handler(e, key);
}

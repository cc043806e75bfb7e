#include "console/terminal/terminal.hpp"
#include "console/text/text.hpp"
#include "console/text/text_writer.hpp"
#include "console/window/platform.hpp"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::int32_t run_capacity = 1024;
constexpr std::int32_t tab_width = 8;
constexpr std::int32_t bell_hertz = 1000;
constexpr std::int32_t bell_milliseconds = 250;

// Ordinary bytes gathered between control bytes, and vx, the column where
// the next one will stand.
struct run {
    std::array<char, run_capacity> bytes;
    std::int32_t length = 0;
    std::int32_t vx = 0;
};

void draw_run(text_writer& w, run& r) {
    const char* next = r.bytes.data();
    std::int32_t remaining = r.length;
    while (remaining > 0) {
        std::int32_t k = std::min(remaining, w.columns - w.x);
        if (w.y > w.bottom) scroll_view(w, w.y - w.bottom);
        draw_cells(w, next, k);
        next += k;
        remaining -= k;
        w.x += k;
        if (w.x == w.columns) {
            w.x = 0;
            ++w.y;
        }
    }
    r.length = 0;
}

void gather(text_writer& w, run& r, const char* bytes, std::int32_t n) {
    if (r.length > run_capacity - n) draw_run(w, r);
    std::memcpy(r.bytes.data() + r.length, bytes, static_cast<std::size_t>(n));
    r.length += n;
    r.vx += n;
    if (r.vx >= w.columns) r.vx %= w.columns;
}

// The cursor moved: draw what was gathered first, then move.
template <typename Move>
void move_cursor(text_writer& w, run& r, Move move) {
    draw_run(w, r);
    move();
    r.vx = w.x;
}

void interpret(text_writer& w, run& r, char byte) {
    static constexpr char blanks[tab_width] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    // Further line feeds below the view change nothing: the scroll blanks it anyway.
    std::int32_t lowest = w.bottom + (w.bottom - w.top + 1);
    switch (byte) {
    case 7: platform_tone(bell_hertz, bell_milliseconds); break;
    case 8: move_cursor(w, r, [&] { w.x = std::max(w.x - 1, 0); }); break;
    case 9: gather(w, r, blanks, tab_width - r.vx % tab_width); break;
    case 10:
        move_cursor(w, r, [&] {
            w.x = 0;
            w.y = std::min(w.y + 1, lowest);
        });
        break;
    case 13: move_cursor(w, r, [&] { w.x = 0; }); break;
    default: gather(w, r, &byte, 1);
    }
}

bool is_control(char byte) {
    return byte == 7 || byte == 8 || byte == 9 || byte == 10 || byte == 13;
}

// Ordinary bytes are gathered a stretch at a time, in the same runs of at
// most run_capacity as one by one.
void gather_ordinary(text_writer& w, run& r, const char* bytes, std::int32_t n) {
    while (n > 0) {
        if (r.length == run_capacity) draw_run(w, r);
        std::int32_t m = std::min(n, run_capacity - r.length);
        gather(w, r, bytes, m);
        bytes += m;
        n -= m;
    }
}

void write_bytes(text_writer& w, const char* bytes, std::int32_t length) {
    run r;
    r.vx = w.x;
    const char* end = bytes + length;
    while (bytes < end) {
        const char* control = std::find_if(bytes, end, is_control);
        gather_ordinary(w, r, bytes, static_cast<std::int32_t>(control - bytes));
        if (control == end) break;
        interpret(w, r, *control);
        bytes = control + 1;
    }
    if (r.length > 0)
        draw_run(w, r);
    else if (w.y > w.bottom)
        scroll_view(w, w.y - w.bottom);
}

void write_to_screen(screen_state& s, const char* bytes, std::int32_t length) {
    screen_lock();
    text_writer w = text_writer_for(s);
    if (s.flag_word & flag_wrap_pending) {
        s.flag_word &= ~flag_wrap_pending;
        w.x = 0;
        if (++w.y > w.bottom) scroll_view(w, w.y - w.bottom);
    }
    write_bytes(w, bytes, length);
    // Ended just after the view's last cell: park there, the wrap waits.
    if (w.x == 0 && w.y == w.bottom + 1) {
        s.flag_word |= flag_wrap_pending;
        w.x = w.columns - 1;
        w.y = w.bottom;
    }
    s.cursor_column = w.x;
    s.cursor_row = w.y;
    screen_unlock(changed_first(w), changed_last(w));
}

} // namespace

void console_write(const char* bytes, std::int32_t length, std::int32_t flags) {
    length = std::max(length, 0);
    screen_state* s = current_screen();
    if (!s) {
        if (length > 0) terminal_write(bytes, length);
        return;
    }
    if (length == 0 && !(flags & write_carry_wrap)) return;
    // A screen too small for one cell shows no text.
    if (s->text_columns <= 0 || s->text_rows <= 0) return;
    write_to_screen(*s, bytes, length);
}

// Text output on a memory-only screen driven by random operations. After
// each one: the cursor inside the grid and the view, every cell showing the
// glyph it records, the strip right of the cells untouched, and no pixel
// row changed that was not flagged.
#include "console/console.hpp"
#include "console/text/text.hpp"
#include "console/text/text_view.hpp"
#include "console/window/platform.hpp"
#include "console/window/screen_state.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::uint32_t strip_colour = 0xFF00FF00;
constexpr int text_width = 496;

void no_tone(std::int32_t, std::int32_t) {}

screen_state& open_screen() {
    static bool opened = [] {
        setenv("QZGFX", "null", 1);
        set_tone_hook(no_tone);
        return screen_open(500, 400, 32, 0, 0, 0) == 0;
    }();
    if (!opened) std::abort();
    return *current_screen();
}

void paint_strip(screen_state& s) {
    for (int y = 0; y < s.height; ++y)
        std::fill(s.page_table[0] + y * s.width + text_width, s.page_table[0] + (y + 1) * s.width,
                  strip_colour);
}

void check_cell(const screen_state& s, int column, int row) {
    const text_cell& cell = s.text_grids[0][row * s.text_columns + column];
    // The cursor mark draws one pixel row and keeps the other seven.
    if (cell.character == 255) return;
    const std::uint8_t* glyph = s.font + cell.character * 8;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            std::uint32_t want = (glyph[y] >> x) & 1 ? cell.foreground : cell.background;
            if (s.page_table[0][(row * 8 + y) * s.width + column * 8 + x] != want) std::abort();
        }
}

void check(const screen_state& s, const std::vector<std::uint32_t>& before) {
    auto [column, row] = cursor_get();
    const text_view& view = current_text_view();
    if (column < 1 || column > s.text_columns || row < view.top + 1 || row > view.bottom + 1)
        std::abort();
    for (int r = 0; r < s.text_rows; ++r)
        for (int c = 0; c < s.text_columns; ++c) check_cell(s, c, r);
    for (int y = 0; y < s.height; ++y) {
        const std::uint32_t* now = s.page_table[0] + y * s.width;
        if (std::any_of(now + text_width, now + s.width,
                        [](std::uint32_t p) { return p != strip_colour; }))
            std::abort();
        if (!s.changed_rows[y] && !std::equal(now, now + s.width, before.data() + y * s.width))
            std::abort();
    }
}

// Runs one operation from the input; returns how many bytes it used.
std::size_t run_one(screen_state& s, const std::uint8_t* data, std::size_t size) {
    const std::uint8_t op = data[0] % 8;
    const std::size_t length = size > 1 ? std::min<std::size_t>(data[1], size - 2) : 0;
    const char* bytes = reinterpret_cast<const char*>(data + 2);
    switch (op) {
    case 0:
    case 1:
    case 2:
        console_write(bytes, static_cast<std::int32_t>(length), op == 2 ? write_carry_wrap : 0);
        break;
    case 3: print_text(byte_string(bytes, length), size > 1 ? data[1] : 0); break;
    case 4: cursor_set(size > 1 ? data[1] % 56 : 0, size > 2 ? data[2] % 66 : 0); return 3;
    case 5:
        print_unsigned(size > 2 ? data[1] * 65537u + data[2] : 0, size > 1 ? data[1] : 0);
        return 3;
    case 6:
        print_signed(size > 2 ? data[1] * 65537 - data[2] * 256 : 0, size > 1 ? data[1] : 0);
        return 3;
    case 7: {
        // Other modes fill pixels only and leave the cells as they were.
        static constexpr std::uint32_t modes[] = {0, 2, screen_clear_default};
        screen_clear(modes[(size > 1 ? data[1] : 0) % 3]);
        paint_strip(s);
        return 2;
    }
    }
    return 2 + length;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    screen_state& s = open_screen();
    screen_clear();
    paint_strip(s);
    std::vector<std::uint32_t> before(s.page_table[0], s.page_table[0] + s.width * s.height);
    while (size > 0) {
        std::fill(s.changed_rows.begin(), s.changed_rows.end(), 0);
        std::size_t used = std::min(run_one(s, data, size), size);
        check(s, before);
        before.assign(s.page_table[0], s.page_table[0] + s.width * s.height);
        data += used;
        size -= used;
    }
    return 0;
}

#include "console/input/input.hpp"
#include "console/input/line_edit.hpp"
#include "console/text/text.hpp"

#include <new>
#include <tuple>

namespace {

constexpr std::size_t first_capacity = 256;

byte_string edit(line_edit& e) {
    for (;;) {
        e.cursor = current_cell();
        draw_cursor_mark(e);
        const std::int32_t key = next_key();
        if (key == 0) continue;
        erase_cursor_mark(e);
        apply_key(e, key);
        if (e.done) return std::move(e.text);
    }
}

} // namespace

std::optional<byte_string> edit_line() {
    try {
        line_edit e;
        // Without memory for the line there is no editing at all.
        e.text.reserve(first_capacity);
        std::tie(e.width, e.height) = text_grid_size();
        // A prompt that filled the bottom-right cell leaves the wrap pending:
        // the line starts on a new row rather than over the prompt.
        console_write("", 0, write_carry_wrap);
        return edit(e);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

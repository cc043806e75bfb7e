#include "console/input/line_edit.hpp"
#include "console/text/text.hpp"

#include <algorithm>

cell current_cell() {
    const auto [column, row] = cursor_get();
    return {column, row};
}

std::int64_t move_cursor(line_edit& e, cell from, std::int64_t d) {
    const std::int64_t w = e.width;
    if (w <= 0 || e.height <= 0) {
        cursor_set(0, 0);
        return 0;
    }
    const std::int64_t start = (from.row - 1) * w + (from.column - 1);
    const std::int64_t target = std::max<std::int64_t>(start + d, 0);
    const std::int64_t row = target / w + 1;
    const auto column = static_cast<std::int32_t>(target % w + 1);
    std::int64_t moved = target - start;
    if (row == e.height + 1 && column == 1) {
        cursor_set(e.height, e.width);
        console_write("\r\n", 2, 0);
    } else if (row <= e.height) {
        cursor_set(static_cast<std::int32_t>(row), column);
    } else {
        cursor_set(0, 0);
        moved = 0;
    }
    e.cursor = current_cell();
    return moved;
}

void move_index(line_edit& e, std::int64_t d) {
    const std::int64_t moved = move_cursor(e, e.cursor, d);
    e.index = static_cast<std::size_t>(static_cast<std::int64_t>(e.index) + moved);
}

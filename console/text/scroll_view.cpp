#include "console/text/text_writer.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Pixel rows first .. last - 1 move up by distance, across the text cells only.
void move_pixel_rows_up(text_writer& w, std::int32_t first, std::int32_t last,
                        std::int32_t distance) {
    std::size_t bytes = static_cast<std::size_t>(w.columns) * cell_size * sizeof(std::uint32_t);
    for (std::int32_t y = first; y < last; ++y)
        std::memcpy(w.pixels + static_cast<std::ptrdiff_t>(y - distance) * w.screen.width,
                    w.pixels + static_cast<std::ptrdiff_t>(y) * w.screen.width, bytes);
}

} // namespace

void scroll_view(text_writer& w, std::int32_t n) {
    std::int32_t view_rows = w.bottom - w.top + 1;
    std::int32_t region_top = w.top * cell_size;
    std::int32_t region_end = (w.bottom + 1) * cell_size;
    std::int32_t kept = std::max(view_rows - n, 0);
    if (kept > 0) {
        move_pixel_rows_up(w, region_top + n * cell_size, region_end, n * cell_size);
        auto cells = w.cells.begin();
        std::copy(cells + static_cast<std::ptrdiff_t>(w.top + n) * w.columns,
                  cells + static_cast<std::ptrdiff_t>(w.bottom + 1) * w.columns,
                  cells + static_cast<std::ptrdiff_t>(w.top) * w.columns);
    }
    // A scroll by the view's height or more blanks the view instead of copying.
    fill_pixels(w, 0, w.columns * cell_size, region_top + kept * cell_size, region_end);
    blank_rows(w, w.top + kept, w.bottom + 1);
    mark_changed(w, region_top, region_end - 1);
    w.y = w.bottom;
}

#include "console/console.hpp"
#include "console/text/text.hpp"
#include "console/window/backend.hpp"
#include "console/window/drawing_context.hpp"
#include "console/window/screen_state.hpp"
#include "console/window/title.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>

extern screen_state* the_screen;

namespace {

struct depth_format {
    std::int32_t depth;      // as asked
    std::int32_t normalised; // as stored
    std::int32_t bytes_per_pixel;
    std::uint32_t colour_mask;
};

constexpr std::array<depth_format, 8> depth_formats = {{
    {1, 1, 1, 0x1},
    {2, 2, 1, 0x3},
    {4, 4, 1, 0xF},
    {8, 8, 1, 0xFF},
    {15, 16, 2, 0xFFFF},
    {16, 16, 2, 0xFFFF},
    {24, 32, 4, 0xFFFFFFFF},
    {32, 32, 4, 0xFFFFFFFF},
}};

const depth_format* find_depth(std::int32_t depth) {
    auto it = std::find_if(depth_formats.begin(), depth_formats.end(),
                           [depth](const depth_format& f) { return f.depth == depth; });
    return it == depth_formats.end() ? nullptr : &*it;
}

std::int32_t next_serial = 1;

// Filled with the default background already here: the window thread may
// present the page as soon as it runs, before the rest of the opening.
framebuffer_memory allocate_page(std::size_t bytes, std::uint32_t colour_mask) {
    constexpr std::size_t alignment = 16;
    std::size_t rounded = (bytes + alignment - 1) / alignment * alignment;
    framebuffer_memory page(static_cast<std::uint32_t*>(std::aligned_alloc(alignment, rounded)));
    if (!page) return page;
    std::memset(page.get(), 0, rounded);
    if (colour_mask == 0xFFFFFFFF)
        std::fill_n(page.get(), bytes / 4, default_background(colour_mask));
    return page;
}

std::unique_ptr<screen_state> build_screen(std::int32_t width, std::int32_t height,
                                           const depth_format& format, std::int32_t pages) {
    auto s = std::make_unique<screen_state>();
    s->serial = next_serial++;
    s->mode_number = -1;
    s->width = width;
    s->height = height;
    s->depth = format.normalised;
    s->bytes_per_pixel = format.bytes_per_pixel;
    s->pitch = format.bytes_per_pixel * width;
    s->colour_mask = format.colour_mask;
    s->page_count = pages;
    for (std::int32_t p = 0; p < pages; ++p) {
        s->page_memory.push_back(
            allocate_page(static_cast<std::size_t>(s->pitch) * height, s->colour_mask));
        s->page_table.push_back(s->page_memory.back().get());
    }
    s->visible_page = 0;
    s->visible_framebuffer = s->page_table[0];
    s->changed_rows.assign(static_cast<std::size_t>(height), 0);
    s->font = font_8x8();
    return s;
}

} // namespace

std::int32_t screen_open(std::int32_t width, std::int32_t height, std::int32_t depth,
                         std::int32_t pages, std::int32_t flags, std::int32_t refresh) {
    const depth_format* format = find_depth(depth);
    if (width <= 0 || height <= 0 || !format) return 1;
    pages = std::max(pages, 1);
    screen_close();

    std::unique_ptr<screen_state> s = build_screen(width, height, *format, pages);
    const std::string& title = window_title();
    // The window thread presents what the screen holds from the moment it runs.
    the_screen = s.get();
    s->chosen_backend = choose_backend(windowing_backends(), title.c_str(), width, height, depth,
                                       refresh, flags, std::getenv("QZGFX"));
    if (!s->chosen_backend) {
        the_screen = nullptr;
        return 1;
    }

    screen_lock();
    s->text_columns = static_cast<std::uint8_t>(width / 8);
    s->text_rows = static_cast<std::uint8_t>(height / 8);
    current_drawing_context();
    text_screen_opened();
    screen_unlock(0, -1);

    static bool close_registered = false;
    if (!close_registered) close_registered = std::atexit(screen_close) == 0;
    s.release();
    return 0;
}

void screen_close() {
    screen_state* s = the_screen;
    if (!s) return;
    if (s->lock_count > 0) {
        s->lock_count = 0;
        s->chosen_backend->unlock();
    }
    if (s->chosen_backend->close) s->chosen_backend->close();
    the_screen = nullptr;
    delete s;
}

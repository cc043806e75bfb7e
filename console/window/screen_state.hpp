// The one record of the open screen, and the lock under which every part of
// the console touches it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

struct backend;

// One cell of a text cell grid: the byte shown and the colours it was drawn with.
struct text_cell {
    std::uint16_t character;
    std::uint32_t foreground;
    std::uint32_t background;
};

// Window events for programs that read them; nothing in the game does.
struct event_queue {
    static constexpr int capacity = 128;
    static constexpr int entry_size = 20;
    std::array<std::array<std::uint8_t, entry_size>, capacity> entries{};
    std::int32_t read_index = 0;
    std::int32_t write_index = 0;
    std::mutex lock;
};

struct aligned_free {
    void operator()(void* p) const { std::free(p); }
};
using framebuffer_memory = std::unique_ptr<std::uint32_t, aligned_free>;

// Bit of flag_word: the output ended after the last cell of the view's bottom row.
inline constexpr std::uint32_t flag_wrap_pending = 1;

struct screen_state {
    std::int32_t serial = 0;
    std::int32_t mode_number = -1;
    std::vector<std::uint32_t*> page_table;
    std::int32_t page_count = 1;
    std::int32_t visible_page = 0;
    std::uint32_t* visible_framebuffer = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t depth = 32;
    std::int32_t bytes_per_pixel = 4;
    std::int32_t pitch = 0;
    std::array<std::uint32_t, 256> palette{};
    std::array<std::uint32_t, 256> device_palette{};
    std::array<std::uint8_t, 16> colour_association{};
    std::vector<std::uint8_t> changed_rows;
    const backend* chosen_backend = nullptr;
    std::uint32_t colour_mask = 0xFFFFFFFF;
    const std::uint8_t* default_palette = nullptr;
    std::int32_t window_rows_per_row = 1;
    const std::uint8_t* font = nullptr; // 256 glyphs of 8 rows, bit 0 leftmost
    std::int32_t text_columns = 0;
    std::int32_t text_rows = 0;
    float aspect_ratio = 1.0f;
    std::array<std::uint8_t, 128> key_states{};
    std::int32_t refresh_rate = 0;
    std::vector<std::vector<text_cell>> text_grids; // one per page, row by row
    event_queue events;
    std::uint32_t mode_flags = 0;
    std::int32_t lock_count = 0;

    // Text output's fields: the cursor counted from 0 and the flag word.
    std::int32_t cursor_column = 0;
    std::int32_t cursor_row = 0;
    std::uint32_t flag_word = 0;

    // The memory behind page_table, each on a 16-byte boundary.
    std::vector<framebuffer_memory> page_memory;
};

// The open screen, or nullptr when none is open.
screen_state* current_screen();

// Nesting entry to the screen mutex.
void screen_lock();
// Leaves one level of the lock and marks pixel rows first_row..last_row changed.
void screen_unlock(std::int32_t first_row, std::int32_t last_row);

// Closes the open screen; registered to run at process exit.
void screen_close();

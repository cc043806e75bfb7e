// The record of operations behind which every presentation back-end sits.
#pragma once

#include <cstdint>
#include <span>

struct backend {
    const char* name;
    // 0 on success. Absent on the memory-only back-end.
    std::int32_t (*open)(const char* title, std::int32_t width, std::int32_t height,
                         std::int32_t depth, std::int32_t refresh, std::int32_t flags);
    void (*close)();
    void (*lock)();
    void (*unlock)();
    void (*set_palette_entry)(std::int32_t index, std::uint32_t colour);
    void (*wait_retrace)();
    void (*read_mouse)(std::int32_t* x, std::int32_t* y, std::int32_t* buttons);
    void (*set_mouse)(std::int32_t x, std::int32_t y);
    void (*set_title)(const char* title);
    void (*move_window)(std::int32_t x, std::int32_t y);
    std::int32_t (*list_modes)(std::int32_t depth, std::int32_t* sizes, std::int32_t capacity);
    void (*flip)();
    void (*poll_events)();
};

// The windowing back-ends in the order they are tried.
std::span<const backend* const> windowing_backends();

// The memory-only back-end, "Null".
const backend& null_backend();

// Chooses and opens a back-end from list. nullptr when none opens.
const backend* choose_backend(std::span<const backend* const> list, const char* title,
                              std::int32_t width, std::int32_t height, std::int32_t depth,
                              std::int32_t refresh, std::int32_t flags, const char* qzgfx);

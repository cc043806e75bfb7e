// The record of operations behind which every presentation back-end sits.
#pragma once

#include <cstdint>
#include <span>

struct backend {
    // An operation a back-end does not offer stays nullptr.
    const char* name = nullptr;
    // 0 on success. Absent on the memory-only back-end.
    std::int32_t (*open)(const char* title, std::int32_t width, std::int32_t height,
                         std::int32_t depth, std::int32_t refresh, std::int32_t flags) = nullptr;
    void (*close)() = nullptr;
    void (*lock)() = nullptr;
    void (*unlock)() = nullptr;
    void (*set_palette_entry)(std::int32_t index, std::uint32_t colour) = nullptr;
    void (*wait_retrace)() = nullptr;
    void (*read_mouse)(std::int32_t* x, std::int32_t* y, std::int32_t* buttons) = nullptr;
    void (*set_mouse)(std::int32_t x, std::int32_t y) = nullptr;
    void (*set_title)(const char* title) = nullptr;
    void (*move_window)(std::int32_t x, std::int32_t y) = nullptr;
    std::int32_t (*list_modes)(std::int32_t depth, std::int32_t* sizes,
                               std::int32_t capacity) = nullptr;
    void (*flip)() = nullptr;
    void (*poll_events)() = nullptr;
};

// The windowing back-ends in the order they are tried.
std::span<const backend* const> windowing_backends();

// The memory-only back-end, "Null".
const backend& null_backend();

// Chooses and opens a back-end from list. nullptr when none opens.
const backend* choose_backend(std::span<const backend* const> list, const char* title,
                              std::int32_t width, std::int32_t height, std::int32_t depth,
                              std::int32_t refresh, std::int32_t flags, const char* qzgfx);

// The colours and target page of the thread that draws.
#pragma once

#include <cstdint>

struct drawing_context {
    std::int32_t serial = 0; // of the screen it was set up for
    std::int32_t target_page = 0;
    std::int32_t clip_left = 0, clip_top = 0, clip_right = -1, clip_bottom = -1;
    std::uint32_t foreground = 0xFFFFFFFF;
    std::uint32_t background = 0xFF000000;
};

// The default colours of a screen with this colour mask: white and black
// at depth 32; at palette depths entry 15, white in the standard palette,
// on entry 0.
std::uint32_t default_foreground(std::uint32_t colour_mask);
std::uint32_t default_background(std::uint32_t colour_mask);

// The calling thread's context, set up afresh for the open screen when its
// serial is another screen's.
drawing_context& current_drawing_context();

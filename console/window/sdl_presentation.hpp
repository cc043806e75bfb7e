// The SDL presentation behind every windowing back-end: the window thread,
// which owns all of SDL's video, presents the visible framebuffer and
// handles the window's events.
#pragma once

#include <cstdint>

// What sets one SDL video driver apart from the others.
struct sdl_driver {
    const char* name; // as SDL_VideoInit knows it
    // Present through the window's own surface rather than a GPU texture;
    // only drivers with a native window framebuffer can.
    bool software_surface;
};

// Starts the window thread on driver and waits until its window is up: 0,
// or 1 when the thread could not make one.
std::int32_t presentation_open(const sdl_driver& driver, const char* title, std::int32_t width,
                               std::int32_t height, std::int32_t refresh, std::int32_t flags);
// Stops the window thread and releases what open made; safe after a failed
// open and when nothing is open.
void presentation_close();

// The screen mutex.
void presentation_lock();
void presentation_unlock();

// The game's window and the picture in it, on the window thread: made,
// switched between windowed and full screen, and shown row by row.
#pragma once

#include <SDL.h>

#include <cstdint>

struct sdl_picture {
    SDL_Window* window = nullptr;
    SDL_Surface* source = nullptr; // the visible framebuffer, as SDL reads it
    SDL_Cursor* arrow = nullptr;
    int width = 0, height = 0; // of the picture
    bool full_screen = false;
    // X without a window manager: full screen is a borderless window of
    // the display's size, which the window itself keeps.
    bool display_sized = false;
    // The window manager tells the frame's size only after the window is
    // shown; the window is centred again once it is known.
    bool centred_with_frame = false;
    SDL_Rect place{}; // where the picture stands on the window surface
    int scale = 1;
    struct {
        const SDL_Surface* surface;
        int width, height;
    } laid_on{}; // the surface place was computed for
};

struct picture_request {
    const char* title; // UTF-8
    int width, height;
    std::uint32_t* framebuffer; // 32-bit pixels 0xAARRGGBB, rows back to back
    bool full_screen;
};

// The window shown, centred, black; false with nothing left over.
bool picture_open(sdl_picture& picture, const picture_request& request);
void picture_close(sdl_picture& picture);

// Copies framebuffer rows first..last into the window.
void picture_show_rows(sdl_picture& picture, int first, int last);
// Lays the picture out again on the window as it is now, black around it,
// and shows all of it.
void picture_show_all(sdl_picture& picture);

// Work that waits for the window manager; called every cycle, costs
// nothing once done.
void picture_settle(sdl_picture& picture);

// Flips between windowed and full screen; when the other presentation
// cannot be had, the one before comes back. Shows all afterwards.
void picture_switch_full_screen(sdl_picture& picture);

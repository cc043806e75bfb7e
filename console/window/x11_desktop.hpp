// The few things of the X desktop that SDL does not tell: whether a window
// manager runs, and what happens when the X server goes away.
#pragma once

#include <SDL.h>

// Whether window is on an X display that no window manager serves.
bool x11_without_window_manager(SDL_Window* window);

// While the window's display is an X display, losing the server ends the
// process at once on the thread that noticed; release restores what was.
void x11_exit_on_display_loss(SDL_Window* window);
void x11_exit_on_display_loss_release();

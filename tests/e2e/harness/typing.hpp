// Keyboard and window-manager input to the game's window: text and key
// names through xdotool, held keys through XTest, and the close request.
#pragma once

#include "e2e/harness/x_display.hpp"

#include <string>
#include <string_view>
#include <vector>

// Types UTF-8 text into the focused window, a key press per character.
bool type_text(const x_display& display, std::string_view text);

// Presses keys by xdotool's names, one after the other: "Return",
// "Delete", "shift+Tab", "U25A0", "ISO_Level3_Shift+q".
bool press_keys(const x_display& display, const std::vector<std::string>& names);

// Holds a key down, or lets it go, by its keysym name ("a", "Left").
bool hold_key(const x_display& display, std::string_view keysym_name);
bool release_key(const x_display& display, std::string_view keysym_name);
// Presses and releases the key that carries a keysym, as it is, with no
// modifier added: "KP_Up" and "KP_8" are the same key.
bool tap_key(const x_display& display, std::string_view keysym_name);

// Locks or unlocks Num Lock without a key event.
void set_num_lock(const x_display& display, bool on);

// What the close box sends: WM_DELETE_WINDOW as a WM_PROTOCOLS message.
void send_close_request(x_connection display, x_window window);

// Gives the window the keyboard focus; with a window manager, activates it.
bool focus_window(const x_display& display, x_window window);

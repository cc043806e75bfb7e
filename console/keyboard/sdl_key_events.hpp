// SDL's keyboard events as the window thread hands them to the key
// handlers. Called under the screen mutex, for each event in queue order.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>

enum class key_event_result { not_a_key_event, handled, full_screen_switch };

key_event_result dispatch_key_event(const SDL_Event& event);

// The key-state table: 1 for every PC scan code whose key is held.
void refresh_key_states(std::array<std::uint8_t, 128>& states);
// The same from a keyboard state indexed by SDL_Scancode.
void key_states_from(const Uint8* sdl_states, int count, std::array<std::uint8_t, 128>& states);

struct pc_key {
    std::uint8_t scan_code = 0; // PC set 1; 0 for a key a PC keyboard lacks
    bool extended = false;      // sent with the E0 prefix
};

pc_key pc_key_of(SDL_Scancode scancode);

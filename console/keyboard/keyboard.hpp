// Key codes: the ring the window thread fills, the translation of key
// presses, and the operations the main thread takes keys with.
#pragma once

#include "console/console.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::int32_t key_window_close = 27647; // 0x6BFF

constexpr std::int32_t extended_key(std::int32_t x) {
    return 255 + 256 * x;
}

// Modifier state of a key-down press, as bits.
inline constexpr unsigned modifier_shift = 1;
inline constexpr unsigned modifier_ctrl = 2;
inline constexpr unsigned modifier_alt = 4;

// A character of a key press as a Unicode code point; 0 means none.
using key_character = char32_t;

struct key_press {
    std::uint8_t scan_code = 0; // PC set 1, without the E0 prefix
    bool extended = false;      // sent with the E0 prefix
    unsigned modifiers = 0;
    key_character character = 0;     // what the layout gives with the modifiers held
    key_character own_character = 0; // with no modifier, letters in upper case
    std::int32_t repeat = 1;
};

// Key codes waiting for the main thread. Empty when both indices are
// equal, so it holds at most 15 codes.
struct key_ring {
    static constexpr std::int32_t slot_count = 16;
    std::array<std::int32_t, slot_count> slots{};
    std::int32_t read_index = 0;  // the oldest waiting code
    std::int32_t write_index = 0; // where the next code goes
};

// The extended code of a key-down press, or 0 for none.
std::int32_t translate_key_down(std::uint8_t scan_code, bool extended, unsigned modifiers,
                                key_character character, key_character own_character);

// Handlers the window thread calls under the screen mutex.
void on_key_down(const key_press& press);
void on_character(key_character character, std::int32_t repeat);
void on_close_box();

// Whether the window keeps this press for itself: F10 and keys pressed
// while Alt is held and Ctrl is not.
bool is_menu_key(const key_press& press);

// The ring; callers hold the screen lock. A full ring drops its oldest code.
void store_key(std::int32_t code);
// The oldest waiting code, or 0 when none waits.
std::int32_t take_key();
bool key_ring_empty();

std::int32_t key_available();
byte_string read_key();

// The code page 437 byte of a Unicode character: the same letter without
// its accent where the code page lacks it, '?' where nothing fits.
// Control characters 1 to 31 and 127 pass unchanged.
std::uint8_t cp437_from_unicode(char32_t c);
// The Unicode character code page 437 shows for a byte.
char32_t cp437_to_unicode(std::uint8_t b);

// Code points of UTF-8 text; every ill-formed part becomes U+FFFD.
std::u32string decode_utf8(std::string_view bytes);

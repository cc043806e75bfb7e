// Keys for the line editor, pressed through the keyboard handlers either at
// once (typed ahead) or one per console sleep, and what the screen shows.
#pragma once

#include "console/keyboard/keyboard.hpp"
#include "support/null_screen.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using key_codes = std::vector<std::int32_t>;

inline constexpr std::int32_t k_backspace = 8;
inline constexpr std::int32_t k_tab = 9;
inline constexpr std::int32_t k_line_feed = 10;
inline constexpr std::int32_t k_enter = 13;
inline constexpr std::int32_t k_escape = 27;
inline constexpr std::int32_t k_f1 = extended_key(0x3B);
inline constexpr std::int32_t k_home = extended_key(0x47);
inline constexpr std::int32_t k_up = extended_key(0x48);
inline constexpr std::int32_t k_page_up = extended_key(0x49);
inline constexpr std::int32_t k_left = extended_key(0x4B);
inline constexpr std::int32_t k_right = extended_key(0x4D);
inline constexpr std::int32_t k_end = extended_key(0x4F);
inline constexpr std::int32_t k_down = extended_key(0x50);
inline constexpr std::int32_t k_page_down = extended_key(0x51);
inline constexpr std::int32_t k_insert = extended_key(0x52);
inline constexpr std::int32_t k_delete = extended_key(0x53);

// Ctrl held with a letter or with Enter: a key-down, then the control
// character the window hands on.
constexpr std::int32_t ctrl(char letter) {
    return 0x10000 + letter;
}
inline constexpr std::int32_t k_ctrl_enter = ctrl('\r');

inline constexpr std::uint32_t foreground = 0xFFFFFFFF;

// Each byte as its character code.
key_codes typed(std::string_view bytes);
key_codes repeated(std::int32_t code, int n);
key_codes operator+(key_codes a, const key_codes& b);

// One key as the window would hand it on: a character, an extended key or
// the close box.
void press(std::int32_t code);
void type_ahead(const key_codes& codes);
// One key per console sleep, after what is scripted already.
void press_later(const key_codes& codes);
// A step that only looks: it takes one sleep and presses nothing.
void look_later(std::function<void()> look);

struct snapshot {
    std::pair<std::int32_t, std::int32_t> cursor; // column, row
    std::vector<std::string> rows;                // trailing blanks cut
};
snapshot take_snapshot();

// The riddle's input: prompt " >", no question mark, a line break after Enter.
std::int32_t riddle_input();
byte_string next_item();

// Whether the cell's bottom pixel row is the cursor mark, and whether its
// other seven rows show the glyph of byte.
bool shows_mark(int column, int row);
bool shows_glyph_above(int column, int row, std::uint8_t byte);

class line_editor : public null_screen {
  protected:
    void SetUp() override;
};

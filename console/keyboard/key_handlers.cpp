// What the window thread hands over for key presses, typed characters and
// the close box. They run under the screen mutex the window thread holds.
#include "console/keyboard/keyboard.hpp"

#include <algorithm>

namespace {

constexpr std::uint8_t scan_code_f10 = 0x44;

// More presses than the ring holds leave the same ring behind.
void store_repeated(std::int32_t code, std::int32_t repeat) {
    for (std::int32_t i = std::min(repeat, key_ring::slot_count); i > 0; --i) store_key(code);
}

} // namespace

bool is_menu_key(const key_press& press) {
    if (press.scan_code == scan_code_f10 && !press.extended) return true;
    return (press.modifiers & modifier_alt) && !(press.modifiers & modifier_ctrl);
}

void on_key_down(const key_press& press) {
    if (is_menu_key(press)) return;
    std::int32_t code = translate_key_down(press.scan_code, press.extended, press.modifiers,
                                           press.character, press.own_character);
    if (code != 0) store_repeated(code, press.repeat);
}

void on_character(key_character character, std::int32_t repeat) {
    // 0 would read as an empty ring.
    if (character == 0) return;
    store_repeated(cp437_from_unicode(character), repeat);
}

void on_close_box() {
    store_key(key_window_close);
}

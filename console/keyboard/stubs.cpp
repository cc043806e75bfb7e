// Placeholders until the keyboard lands; removed with it.
#include "console/keyboard/keyboard.hpp"
#include "console/terminal/terminal.hpp"
#include "console/window/screen_state.hpp"

std::int32_t translate_key_down(std::uint8_t, bool, unsigned, key_character, key_character) {
    return 0;
}
void on_key_down(const key_press&) {}
void on_character(key_character, std::int32_t) {}
void on_close_box() {}
bool is_menu_key(const key_press&) {
    return false;
}
void store_key(std::int32_t) {}
std::int32_t take_key() {
    return 0;
}
std::int32_t key_available() {
    return 0;
}
byte_string read_key() {
    return {};
}
std::int32_t wait_key() {
    return current_screen() ? 13 : terminal_wait_key();
}
std::uint8_t cp437_from_unicode(char32_t c) {
    return c < 128 ? static_cast<std::uint8_t>(c) : 63;
}
char32_t cp437_to_unicode(std::uint8_t b) {
    return b;
}

// Placeholders until text output lands; removed with it.
#include "console/terminal/terminal.hpp"
#include "console/text/text.hpp"
#include "console/window/screen_state.hpp"

void console_write(const char* bytes, std::int32_t length, std::int32_t) {
    if (!current_screen()) terminal_write(bytes, length);
}
void cursor_set(std::int32_t, std::int32_t) {}
std::pair<std::int32_t, std::int32_t> cursor_get() {
    return {1, 1};
}
std::pair<std::int32_t, std::int32_t> text_grid_size() {
    return {62, 50};
}
void print_signed(std::int32_t, std::int32_t) {}
const std::uint8_t* font_8x8() {
    static std::uint8_t glyphs[2048]{};
    return glyphs;
}
void text_screen_opened() {}
void screen_clear(std::uint32_t) {
    if (!current_screen()) terminal_clear();
}
void print_text(const byte_string& s, std::int32_t mask) {
    console_write(s.data(), static_cast<std::int32_t>(s.size()), 0);
    if (mask & 5) console_write("\r\n", 2, 0);
}
void print_unsigned(std::uint32_t v, std::int32_t mask) {
    print_text(std::to_string(v), mask);
}

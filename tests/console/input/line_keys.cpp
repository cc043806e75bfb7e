#include "line_keys.hpp"

#include "console/input/input.hpp"
#include "console/text/text.hpp"

key_codes typed(std::string_view bytes) {
    key_codes codes;
    for (char c : bytes) codes.push_back(static_cast<unsigned char>(c));
    return codes;
}

key_codes repeated(std::int32_t code, int n) {
    return key_codes(static_cast<std::size_t>(n), code);
}

key_codes operator+(key_codes a, const key_codes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

namespace {

struct ctrl_key {
    char letter;
    std::uint8_t scan_code;
};

constexpr ctrl_key ctrl_keys[] = {{'A', 0x1E}, {'H', 0x23}, {'I', 0x17}, {'J', 0x24},
                                  {'M', 0x32}, {'Z', 0x2C}, {'\r', 0x1C}};

void press_ctrl(char letter) {
    key_press p;
    p.modifiers = modifier_ctrl;
    for (const ctrl_key& k : ctrl_keys)
        if (k.letter == letter) p.scan_code = k.scan_code;
    if (letter != '\r') p.own_character = static_cast<key_character>(letter);
    on_key_down(p);
    on_character(letter == '\r' ? 10 : static_cast<key_character>(letter - '@'), 1);
}

} // namespace

void press(std::int32_t code) {
    if (code >= ctrl(0)) return press_ctrl(static_cast<char>(code - ctrl(0)));
    if (code == key_window_close) return on_close_box();
    if (code <= 255) return on_character(cp437_to_unicode(static_cast<std::uint8_t>(code)), 1);
    key_press p;
    p.scan_code = static_cast<std::uint8_t>(code >> 8);
    // The cursor block sends the E0 prefix; the function keys do not.
    p.extended = p.scan_code >= 0x47 && p.scan_code <= 0x53;
    on_key_down(p);
}

void type_ahead(const key_codes& codes) {
    for (std::int32_t code : codes) press(code);
}

void press_later(const key_codes& codes) {
    for (std::int32_t code : codes) key_script.push_back([code] { press(code); });
}

void look_later(std::function<void()> look) {
    key_script.push_back(std::move(look));
}

snapshot take_snapshot() {
    return {cursor_get(), null_screen_rows()};
}

std::int32_t riddle_input() {
    return input_begin(byte_string(" >"), 0, -1);
}

byte_string next_item() {
    byte_string item;
    input_take_string(item);
    return item;
}

bool shows_mark(int column, int row) {
    const int y = 8 * row - 1;
    for (int x = 8 * (column - 1); x < 8 * column; ++x)
        if (null_screen::pixel(x, y) != foreground) return false;
    return true;
}

bool shows_glyph_above(int column, int row, std::uint8_t byte) {
    const std::uint8_t* glyph = font_8x8() + 8 * byte;
    for (int gy = 0; gy < 7; ++gy)
        for (int gx = 0; gx < 8; ++gx) {
            const bool set = (glyph[gy] >> gx) & 1;
            const std::uint32_t p = null_screen::pixel(8 * (column - 1) + gx, 8 * (row - 1) + gy);
            if (p != (set ? foreground : 0xFF000000)) return false;
        }
    return true;
}

void line_editor::SetUp() {
    null_screen::SetUp();
    if (HasFatalFailure()) return;
    // The key ring outlives every screen: start each test with it empty.
    while (key_available() != 0) read_key();
    current_input_state() = input_state{};
}

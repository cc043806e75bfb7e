#include "console/keyboard/sdl_key_events.hpp"

#include "console/keyboard/keyboard.hpp"

#include <cstring>
#include <string_view>
#include <utility>

namespace {

struct pc_key_entry {
    SDL_Scancode sdl;
    pc_key key;
};

constexpr bool e0 = true;

constexpr pc_key_entry pc_key_entries[] = {
    {SDL_SCANCODE_ESCAPE, {0x01}},
    {SDL_SCANCODE_1, {0x02}},
    {SDL_SCANCODE_2, {0x03}},
    {SDL_SCANCODE_3, {0x04}},
    {SDL_SCANCODE_4, {0x05}},
    {SDL_SCANCODE_5, {0x06}},
    {SDL_SCANCODE_6, {0x07}},
    {SDL_SCANCODE_7, {0x08}},
    {SDL_SCANCODE_8, {0x09}},
    {SDL_SCANCODE_9, {0x0A}},
    {SDL_SCANCODE_0, {0x0B}},
    {SDL_SCANCODE_MINUS, {0x0C}},
    {SDL_SCANCODE_EQUALS, {0x0D}},
    {SDL_SCANCODE_BACKSPACE, {0x0E}},
    {SDL_SCANCODE_TAB, {0x0F}},
    {SDL_SCANCODE_Q, {0x10}},
    {SDL_SCANCODE_W, {0x11}},
    {SDL_SCANCODE_E, {0x12}},
    {SDL_SCANCODE_R, {0x13}},
    {SDL_SCANCODE_T, {0x14}},
    {SDL_SCANCODE_Y, {0x15}},
    {SDL_SCANCODE_U, {0x16}},
    {SDL_SCANCODE_I, {0x17}},
    {SDL_SCANCODE_O, {0x18}},
    {SDL_SCANCODE_P, {0x19}},
    {SDL_SCANCODE_LEFTBRACKET, {0x1A}},
    {SDL_SCANCODE_RIGHTBRACKET, {0x1B}},
    {SDL_SCANCODE_RETURN, {0x1C}},
    {SDL_SCANCODE_LCTRL, {0x1D}},
    {SDL_SCANCODE_A, {0x1E}},
    {SDL_SCANCODE_S, {0x1F}},
    {SDL_SCANCODE_D, {0x20}},
    {SDL_SCANCODE_F, {0x21}},
    {SDL_SCANCODE_G, {0x22}},
    {SDL_SCANCODE_H, {0x23}},
    {SDL_SCANCODE_J, {0x24}},
    {SDL_SCANCODE_K, {0x25}},
    {SDL_SCANCODE_L, {0x26}},
    {SDL_SCANCODE_SEMICOLON, {0x27}},
    {SDL_SCANCODE_APOSTROPHE, {0x28}},
    {SDL_SCANCODE_GRAVE, {0x29}},
    {SDL_SCANCODE_LSHIFT, {0x2A}},
    {SDL_SCANCODE_BACKSLASH, {0x2B}},
    {SDL_SCANCODE_NONUSHASH, {0x2B}}, // the ISO key left of Enter
    {SDL_SCANCODE_Z, {0x2C}},
    {SDL_SCANCODE_X, {0x2D}},
    {SDL_SCANCODE_C, {0x2E}},
    {SDL_SCANCODE_V, {0x2F}},
    {SDL_SCANCODE_B, {0x30}},
    {SDL_SCANCODE_N, {0x31}},
    {SDL_SCANCODE_M, {0x32}},
    {SDL_SCANCODE_COMMA, {0x33}},
    {SDL_SCANCODE_PERIOD, {0x34}},
    {SDL_SCANCODE_SLASH, {0x35}},
    {SDL_SCANCODE_RSHIFT, {0x36}},
    {SDL_SCANCODE_KP_MULTIPLY, {0x37}},
    {SDL_SCANCODE_LALT, {0x38}},
    {SDL_SCANCODE_SPACE, {0x39}},
    {SDL_SCANCODE_CAPSLOCK, {0x3A}},
    {SDL_SCANCODE_F1, {0x3B}},
    {SDL_SCANCODE_F2, {0x3C}},
    {SDL_SCANCODE_F3, {0x3D}},
    {SDL_SCANCODE_F4, {0x3E}},
    {SDL_SCANCODE_F5, {0x3F}},
    {SDL_SCANCODE_F6, {0x40}},
    {SDL_SCANCODE_F7, {0x41}},
    {SDL_SCANCODE_F8, {0x42}},
    {SDL_SCANCODE_F9, {0x43}},
    {SDL_SCANCODE_F10, {0x44}},
    {SDL_SCANCODE_NUMLOCKCLEAR, {0x45}},
    {SDL_SCANCODE_SCROLLLOCK, {0x46}},
    {SDL_SCANCODE_KP_7, {0x47}},
    {SDL_SCANCODE_KP_8, {0x48}},
    {SDL_SCANCODE_KP_9, {0x49}},
    {SDL_SCANCODE_KP_MINUS, {0x4A}},
    {SDL_SCANCODE_KP_4, {0x4B}},
    {SDL_SCANCODE_KP_5, {0x4C}},
    {SDL_SCANCODE_KP_6, {0x4D}},
    {SDL_SCANCODE_KP_PLUS, {0x4E}},
    {SDL_SCANCODE_KP_1, {0x4F}},
    {SDL_SCANCODE_KP_2, {0x50}},
    {SDL_SCANCODE_KP_3, {0x51}},
    {SDL_SCANCODE_KP_0, {0x52}},
    {SDL_SCANCODE_KP_PERIOD, {0x53}},
    {SDL_SCANCODE_NONUSBACKSLASH, {0x56}}, // the ISO key left of Z
    {SDL_SCANCODE_F11, {0x57}},
    {SDL_SCANCODE_F12, {0x58}},
    {SDL_SCANCODE_INTERNATIONAL2, {0x70}},
    {SDL_SCANCODE_INTERNATIONAL1, {0x73}},
    {SDL_SCANCODE_INTERNATIONAL4, {0x79}},
    {SDL_SCANCODE_INTERNATIONAL5, {0x7B}},
    {SDL_SCANCODE_INTERNATIONAL3, {0x7D}},
    {SDL_SCANCODE_KP_COMMA, {0x7E}},
    {SDL_SCANCODE_KP_ENTER, {0x1C, e0}},
    {SDL_SCANCODE_RCTRL, {0x1D, e0}},
    {SDL_SCANCODE_KP_DIVIDE, {0x35, e0}},
    {SDL_SCANCODE_PRINTSCREEN, {0x37, e0}},
    {SDL_SCANCODE_RALT, {0x38, e0}},
    {SDL_SCANCODE_MODE, {0x38, e0}}, // AltGr where the layout makes it Mode_switch
    {SDL_SCANCODE_HOME, {0x47, e0}},
    {SDL_SCANCODE_UP, {0x48, e0}},
    {SDL_SCANCODE_PAGEUP, {0x49, e0}},
    {SDL_SCANCODE_LEFT, {0x4B, e0}},
    {SDL_SCANCODE_RIGHT, {0x4D, e0}},
    {SDL_SCANCODE_END, {0x4F, e0}},
    {SDL_SCANCODE_DOWN, {0x50, e0}},
    {SDL_SCANCODE_PAGEDOWN, {0x51, e0}},
    {SDL_SCANCODE_INSERT, {0x52, e0}},
    {SDL_SCANCODE_DELETE, {0x53, e0}},
    {SDL_SCANCODE_LGUI, {0x5B, e0}},
    {SDL_SCANCODE_RGUI, {0x5C, e0}},
    {SDL_SCANCODE_APPLICATION, {0x5D, e0}},
};

constexpr auto pc_keys = [] {
    std::array<pc_key, SDL_NUM_SCANCODES> keys{};
    for (const pc_key_entry& e : pc_key_entries) keys[e.sdl] = e.key;
    return keys;
}();

constexpr std::pair<Uint16, unsigned> modifier_bits[] = {
    {KMOD_SHIFT, modifier_shift},
    {KMOD_CTRL, modifier_ctrl},
    {KMOD_ALT | KMOD_MODE, modifier_alt}, // KMOD_MODE: AltGr as Mode_switch
};

// Keys whose characters SDL's text input leaves out: plain, and with Ctrl.
struct control_key {
    SDL_Scancode sdl;
    key_character plain, with_ctrl;
};

constexpr control_key control_keys[] = {
    {SDL_SCANCODE_RETURN, 13, 10}, {SDL_SCANCODE_KP_ENTER, 13, 10}, {SDL_SCANCODE_BACKSPACE, 8, 8},
    {SDL_SCANCODE_TAB, 9, 9},      {SDL_SCANCODE_ESCAPE, 27, 27},
};

unsigned modifiers_of(Uint16 mod) {
    unsigned modifiers = 0;
    for (auto [mask, bit] : modifier_bits)
        if (mod & mask) modifiers |= bit;
    return modifiers;
}

// The key symbol with no modifier, letters in upper case.
key_character own_character_of(SDL_Keycode sym) {
    if (sym <= 0 || (sym & SDLK_SCANCODE_MASK)) return 0;
    auto c = static_cast<key_character>(sym);
    bool lower_letter = (c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
    return lower_letter ? c - 0x20 : c;
}

// SDL's text, NUL-ended unless it fills the buffer.
std::u32string characters_of(const SDL_TextInputEvent& text) {
    return decode_utf8(std::string_view(text.text, strnlen(text.text, sizeof text.text)));
}

struct text_ahead {
    bool follows = false;
    key_character character = 0; // the one character it brings, 0 for several
};

// SDL queues a press's text right after its key-down; a text behind the
// next key event belongs to another press.
text_ahead text_of_press() {
    std::array<SDL_Event, 8> queued;
    int n = SDL_PeepEvents(queued.data(), static_cast<int>(queued.size()), SDL_PEEKEVENT,
                           SDL_KEYDOWN, SDL_TEXTINPUT);
    for (int i = 0; i < n; ++i) {
        const SDL_Event& e = queued[static_cast<std::size_t>(i)];
        if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) break;
        if (e.type != SDL_TEXTINPUT) continue;
        std::u32string text = characters_of(e.text);
        return {true, text.size() == 1 ? text[0] : 0};
    }
    return {};
}

// The press's text was peeked at; it is the first text in the queue.
void drop_text_of_press() {
    SDL_Event text;
    SDL_PeepEvents(&text, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT);
}

// Alt with a key types what the key types alone: that is the menu
// combination, not a character. What the layout puts on it (AltGr+Q
// giving '@') is typed.
bool is_key_own_text(key_character c, SDL_Keycode sym, key_character own) {
    return c != 0 && (c == static_cast<key_character>(sym) || c == own);
}

key_character control_character(SDL_Scancode sdl, unsigned modifiers, key_character own) {
    bool ctrl = modifiers & modifier_ctrl;
    for (const control_key& k : control_keys)
        if (k.sdl == sdl) return ctrl ? k.with_ctrl : k.plain;
    bool ctrl_alone = ctrl && !(modifiers & modifier_alt);
    return ctrl_alone && own >= U'A' && own <= U'Z' ? own - U'A' + 1 : 0;
}

bool is_enter(SDL_Scancode sdl) {
    return sdl == SDL_SCANCODE_RETURN || sdl == SDL_SCANCODE_KP_ENTER;
}

key_event_result handle_key_down(const SDL_KeyboardEvent& key) {
    SDL_Scancode sdl = key.keysym.scancode;
    unsigned modifiers = modifiers_of(key.keysym.mod);
    bool alt_alone = (modifiers & modifier_alt) && !(modifiers & modifier_ctrl);
    if (is_enter(sdl) && alt_alone) return key_event_result::full_screen_switch;

    pc_key pc = pc_key_of(sdl);
    key_press press{pc.scan_code, pc.extended, modifiers, 0, own_character_of(key.keysym.sym), 1};
    text_ahead text = text_of_press();
    bool menu_key = is_menu_key(press);
    if (menu_key && text.follows &&
        is_key_own_text(text.character, key.keysym.sym, press.own_character))
        drop_text_of_press();
    bool no_control = text.follows || menu_key;
    key_character control = no_control ? 0 : control_character(sdl, modifiers, press.own_character);
    press.character = text.follows ? text.character : control;
    on_key_down(press);
    if (control) on_character(control, 1);
    return key_event_result::handled;
}

void handle_text(const SDL_TextInputEvent& text) {
    for (key_character c : characters_of(text)) on_character(c, 1);
}

} // namespace

pc_key pc_key_of(SDL_Scancode scancode) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return {};
    return pc_keys[scancode];
}

key_event_result dispatch_key_event(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: return handle_key_down(event.key);
    case SDL_TEXTINPUT: handle_text(event.text); return key_event_result::handled;
    case SDL_KEYUP:
    case SDL_TEXTEDITING: return key_event_result::handled;
    default: return key_event_result::not_a_key_event;
    }
}

void key_states_from(const Uint8* sdl_states, int count, std::array<std::uint8_t, 128>& states) {
    states.fill(0);
    for (int s = 0; s < count && s < SDL_NUM_SCANCODES; ++s)
        if (sdl_states[s] && pc_keys[static_cast<std::size_t>(s)].scan_code)
            states[pc_keys[static_cast<std::size_t>(s)].scan_code & 0x7F] = 1;
}

void refresh_key_states(std::array<std::uint8_t, 128>& states) {
    int count = 0;
    const Uint8* sdl_states = SDL_GetKeyboardState(&count);
    key_states_from(sdl_states, count, states);
}

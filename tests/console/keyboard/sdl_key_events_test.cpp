// SDL events built by hand and queued as the window would receive them,
// then dispatched the way the window thread drains its queue.
#include "console/keyboard/sdl_key_events.hpp"
#include "ring_fixtures.hpp"

#include <cstring>
#include <initializer_list>

namespace {

using codes = std::vector<std::int32_t>;
using events = std::vector<SDL_Event>;

SDL_Event key_event(Uint32 type, SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod,
                    Uint8 repeat = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat;
    e.key.keysym.scancode = scancode;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event text_event(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    return e;
}

SDL_Event down(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    return key_event(SDL_KEYDOWN, scancode, sym, mod);
}

SDL_Event up(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    return key_event(SDL_KEYUP, scancode, sym, mod);
}

// One press as SDL queues it: key-down, its text if any, key-up.
events press(SDL_Scancode scancode, SDL_Keycode sym, Uint16 mod = KMOD_NONE,
             const char* text = nullptr) {
    events e = {down(scancode, sym, mod)};
    if (text) e.push_back(text_event(text));
    e.push_back(up(scancode, sym, mod));
    return e;
}

events joined(std::initializer_list<events> parts) {
    events all;
    for (const events& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

class sdl_keys : public empty_ring {
  protected:
    static void SetUpTestSuite() { ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError(); }
    static void TearDownTestSuite() { SDL_Quit(); }
    void SetUp() override {
        empty_ring::SetUp();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

    // Queues every event first, so each key-down can see what follows it.
    static std::vector<key_event_result> dispatched(const events& queued) {
        for (SDL_Event e : queued) EXPECT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
        std::vector<key_event_result> results;
        SDL_Event e;
        while (SDL_PollEvent(&e)) results.push_back(dispatch_key_event(e));
        return results;
    }
};

struct sdl_case {
    const char* name;
    events queued;
    codes stored;
};

void PrintTo(const sdl_case& c, std::ostream* os) {
    *os << c.name;
}

class sdl_presses : public sdl_keys, public ::testing::WithParamInterface<sdl_case> {};

TEST_P(sdl_presses, store_their_key_codes) {
    dispatched(GetParam().queued);
    EXPECT_EQ(taken_keys(), GetParam().stored);
}

constexpr SDL_Keycode no_symbol = SDLK_UNKNOWN;

INSTANTIATE_TEST_SUITE_P(
    cursor_and_keypad, sdl_presses,
    ::testing::Values(
        sdl_case{"up", press(SDL_SCANCODE_UP, SDLK_UP), {0x48FF}},
        sdl_case{"shift_up", press(SDL_SCANCODE_UP, SDLK_UP, KMOD_LSHIFT), {0x48FF}},
        sdl_case{"keypad_8_num_lock_off", press(SDL_SCANCODE_KP_8, SDLK_KP_8), {0x48FF}},
        sdl_case{"keypad_8_num_lock_on", press(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NUM, "8"), {56}},
        sdl_case{"shift_keypad_8_is_no_cursor_key",
                 press(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_LSHIFT),
                 {}},
        sdl_case{"ctrl_left", press(SDL_SCANCODE_LEFT, SDLK_LEFT, KMOD_RCTRL), {0x73FF}},
        sdl_case{"ctrl_home", press(SDL_SCANCODE_HOME, SDLK_HOME, KMOD_LCTRL), {0x77FF}},
        sdl_case{"ctrl_keypad_7", press(SDL_SCANCODE_KP_7, SDLK_KP_7, KMOD_LCTRL), {0x77FF}},
        sdl_case{"ctrl_alt_home_is_extended",
                 press(SDL_SCANCODE_HOME, SDLK_HOME, KMOD_LCTRL | KMOD_LALT),
                 {extended_key(0x97)}},
        sdl_case{"ctrl_alt_keypad_7_is_not",
                 press(SDL_SCANCODE_KP_7, SDLK_KP_7, KMOD_LCTRL | KMOD_LALT),
                 {}},
        sdl_case{"delete", press(SDL_SCANCODE_DELETE, SDLK_DELETE), {0x53FF}},
        sdl_case{"page_down", press(SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN), {0x51FF}},
        sdl_case{"insert", press(SDL_SCANCODE_INSERT, SDLK_INSERT), {0x52FF}},
        sdl_case{"ctrl_keypad_divide",
                 press(SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE, KMOD_LCTRL),
                 {extended_key(0x95)}},
        sdl_case{"keypad_enter", press(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER), {13}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    function_keys, sdl_presses,
    ::testing::Values(sdl_case{"f1", press(SDL_SCANCODE_F1, SDLK_F1), {0x3BFF}},
                      sdl_case{"shift_f1", press(SDL_SCANCODE_F1, SDLK_F1, KMOD_RSHIFT), {0x54FF}},
                      sdl_case{"ctrl_f1", press(SDL_SCANCODE_F1, SDLK_F1, KMOD_LCTRL), {0x5EFF}},
                      sdl_case{"alt_f1_with_ctrl",
                               press(SDL_SCANCODE_F1, SDLK_F1, KMOD_LALT | KMOD_LCTRL),
                               {0x68FF}},
                      sdl_case{"f11", press(SDL_SCANCODE_F11, SDLK_F11), {0x85FF}},
                      sdl_case{"f12", press(SDL_SCANCODE_F12, SDLK_F12), {0x86FF}},
                      sdl_case{"f10", press(SDL_SCANCODE_F10, SDLK_F10), {}},
                      sdl_case{"alt_f4", press(SDL_SCANCODE_F4, SDLK_F4, KMOD_LALT), {}},
                      sdl_case{"ctrl_alt_f4",
                               press(SDL_SCANCODE_F4, SDLK_F4, KMOD_LCTRL | KMOD_LALT),
                               {key_window_close}},
                      sdl_case{"ctrl_altgr_f4",
                               press(SDL_SCANCODE_F4, SDLK_F4, KMOD_RCTRL | KMOD_MODE),
                               {key_window_close}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    characters, sdl_presses,
    ::testing::Values(
        sdl_case{"letter", press(SDL_SCANCODE_A, SDLK_a, KMOD_NONE, "a"), {97}},
        sdl_case{"shifted_letter", press(SDL_SCANCODE_A, SDLK_a, KMOD_LSHIFT, "A"), {65}},
        sdl_case{"a_umlaut", press(SDL_SCANCODE_APOSTROPHE, 0xE4, KMOD_NONE, "ä"), {132}},
        sdl_case{"sharp_s", press(SDL_SCANCODE_MINUS, 0xDF, KMOD_NONE, "ß"), {225}},
        sdl_case{"altgr_q", press(SDL_SCANCODE_Q, SDLK_q, KMOD_RALT, "@"), {64}},
        sdl_case{"altgr_q_as_mode_switch", press(SDL_SCANCODE_Q, SDLK_q, KMOD_MODE, "@"), {64}},
        sdl_case{"black_square_by_input_method", {text_event("\xE2\x96\xA0")}, {0xFE}},
        sdl_case{"character_code_page_437_lacks", {text_event("€")}, {'?'}},
        sdl_case{"dead_key_then_letter",
                 joined({press(SDL_SCANCODE_EQUALS, no_symbol),
                         press(SDL_SCANCODE_E, SDLK_e, KMOD_NONE, "é")}),
                 {130}},
        sdl_case{"text_of_several_characters",
                 joined({press(SDL_SCANCODE_A, SDLK_a, KMOD_LALT | KMOD_LCTRL, "ab")}),
                 {97, 98}},
        sdl_case{"auto_repeat",
                 {down(SDL_SCANCODE_X, SDLK_x), text_event("x"),
                  key_event(SDL_KEYDOWN, SDL_SCANCODE_X, SDLK_x, KMOD_NONE, 1), text_event("x"),
                  up(SDL_SCANCODE_X, SDLK_x)},
                 {'x', 'x'}},
        sdl_case{"auto_repeat_of_a_cursor_key",
                 {down(SDL_SCANCODE_DOWN, SDLK_DOWN),
                  key_event(SDL_KEYDOWN, SDL_SCANCODE_DOWN, SDLK_DOWN, KMOD_NONE, 1),
                  up(SDL_SCANCODE_DOWN, SDLK_DOWN)},
                 {0x50FF, 0x50FF}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    control_characters, sdl_presses,
    ::testing::Values(
        sdl_case{"enter", press(SDL_SCANCODE_RETURN, SDLK_RETURN), {13}},
        sdl_case{"ctrl_enter", press(SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_LCTRL), {10}},
        sdl_case{
            "ctrl_keypad_enter", press(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, KMOD_LCTRL), {10}},
        sdl_case{"backspace", press(SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE), {8}},
        sdl_case{"tab", press(SDL_SCANCODE_TAB, SDLK_TAB), {9}},
        sdl_case{"shift_tab", press(SDL_SCANCODE_TAB, SDLK_TAB, KMOD_LSHIFT), {0x0FFF, 9}},
        sdl_case{"esc", press(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), {27}},
        sdl_case{"ctrl_c", press(SDL_SCANCODE_C, SDLK_c, KMOD_LCTRL), {3}},
        sdl_case{"ctrl_shift_a", press(SDL_SCANCODE_A, SDLK_a, KMOD_RCTRL | KMOD_LSHIFT), {1}},
        // German layout: the key in the place of Y carries Z.
        sdl_case{"ctrl_z_by_layout", press(SDL_SCANCODE_Y, SDLK_z, KMOD_LCTRL), {26}},
        sdl_case{"ctrl_alt_letter", press(SDL_SCANCODE_A, SDLK_a, KMOD_LCTRL | KMOD_LALT), {}},
        sdl_case{"ctrl_digit", press(SDL_SCANCODE_5, SDLK_5, KMOD_LCTRL), {}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    keys_without_codes, sdl_presses,
    ::testing::Values(
        sdl_case{"left_shift", press(SDL_SCANCODE_LSHIFT, SDLK_LSHIFT), {}},
        sdl_case{"right_ctrl", press(SDL_SCANCODE_RCTRL, SDLK_RCTRL), {}},
        sdl_case{"left_alt", press(SDL_SCANCODE_LALT, SDLK_LALT), {}},
        sdl_case{"altgr", press(SDL_SCANCODE_RALT, SDLK_RALT), {}},
        sdl_case{"caps_lock", press(SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK), {}},
        sdl_case{"num_lock", press(SDL_SCANCODE_NUMLOCKCLEAR, SDLK_NUMLOCKCLEAR), {}},
        sdl_case{"gui", press(SDL_SCANCODE_LGUI, SDLK_LGUI), {}},
        sdl_case{"media_key", press(SDL_SCANCODE_AUDIOPLAY, SDLK_AUDIOPLAY), {}},
        sdl_case{"alt_letter", press(SDL_SCANCODE_Q, SDLK_q, KMOD_LALT, "q"), {}},
        sdl_case{
            "alt_shift_letter", press(SDL_SCANCODE_Q, SDLK_q, KMOD_LALT | KMOD_LSHIFT, "Q"), {}},
        sdl_case{"alt_umlaut_key", press(SDL_SCANCODE_APOSTROPHE, 0xE4, KMOD_LALT, "ä"), {}},
        sdl_case{"alt_backspace", press(SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, KMOD_LALT), {}},
        sdl_case{"alt_esc", press(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, KMOD_LALT), {}},
        sdl_case{"f10_with_ctrl", press(SDL_SCANCODE_F10, SDLK_F10, KMOD_LCTRL), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(sdl_keys, text_behind_the_next_key_event_belongs_to_its_own_press) {
    // A cursor key that took that text for its character would lose its code.
    dispatched(joined({press(SDL_SCANCODE_F1, SDLK_F1), {text_event("x")}}));
    EXPECT_EQ(taken_keys(), (codes{0x3BFF, 'x'}));
    dispatched({down(SDL_SCANCODE_LEFT, SDLK_LEFT), down(SDL_SCANCODE_A, SDLK_a), text_event("a")});
    EXPECT_EQ(taken_keys(), (codes{0x4BFF, 'a'}));
}

TEST_F(sdl_keys, alt_keeps_only_the_characters_the_layout_puts_on_it) {
    dispatched(joined({press(SDL_SCANCODE_1, SDLK_1, KMOD_LALT | KMOD_LSHIFT, "!"),
                       press(SDL_SCANCODE_Q, SDLK_q, KMOD_LALT, "q"),
                       press(SDL_SCANCODE_X, SDLK_x, KMOD_NONE, "x")}));
    EXPECT_EQ(taken_keys(), (codes{'!', 'x'}));
}

TEST_F(sdl_keys, typed_characters_keep_their_key_down_order) {
    dispatched(joined(
        {press(SDL_SCANCODE_H, SDLK_h, KMOD_NONE, "h"), press(SDL_SCANCODE_RIGHT, SDLK_RIGHT),
         press(SDL_SCANCODE_I, SDLK_i, KMOD_NONE, "i"), press(SDL_SCANCODE_RETURN, SDLK_RETURN)}));
    EXPECT_EQ(taken_keys(), (codes{'h', 0x4DFF, 'i', 13}));
}

TEST_F(sdl_keys, alt_enter_is_the_full_screen_switch) {
    for (SDL_Scancode enter : {SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER}) {
        auto results = dispatched(press(enter, SDLK_RETURN, KMOD_LALT));
        EXPECT_EQ(results,
                  (std::vector{key_event_result::full_screen_switch, key_event_result::handled}));
        results = dispatched(press(enter, SDLK_RETURN, KMOD_RALT));
        EXPECT_EQ(results.front(), key_event_result::full_screen_switch);
    }
    EXPECT_TRUE(key_ring_empty());
}

TEST_F(sdl_keys, other_events_are_no_key_events) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_Event window{};
    window.type = SDL_WINDOWEVENT;
    EXPECT_EQ(dispatched({quit, window, up(SDL_SCANCODE_A, SDLK_a)}),
              (std::vector{key_event_result::not_a_key_event, key_event_result::not_a_key_event,
                           key_event_result::handled}));
    EXPECT_TRUE(key_ring_empty());
}

struct pc_key_case {
    SDL_Scancode sdl;
    std::uint8_t scan_code;
    bool extended;
};

class pc_keys : public ::testing::TestWithParam<pc_key_case> {};

TEST_P(pc_keys, sdl_scancode_gives_the_pc_scan_code) {
    pc_key key = pc_key_of(GetParam().sdl);
    EXPECT_EQ(key.scan_code, GetParam().scan_code);
    EXPECT_EQ(key.extended, GetParam().extended);
}

// The extended keys share their scan codes with keys that carry no E0.
INSTANTIATE_TEST_SUITE_P(
    keys, pc_keys,
    ::testing::Values(
        pc_key_case{SDL_SCANCODE_KP_ENTER, 0x1C, true},
        pc_key_case{SDL_SCANCODE_RETURN, 0x1C, false}, pc_key_case{SDL_SCANCODE_RCTRL, 0x1D, true},
        pc_key_case{SDL_SCANCODE_LCTRL, 0x1D, false},
        pc_key_case{SDL_SCANCODE_KP_DIVIDE, 0x35, true},
        pc_key_case{SDL_SCANCODE_SLASH, 0x35, false},
        pc_key_case{SDL_SCANCODE_PRINTSCREEN, 0x37, true},
        pc_key_case{SDL_SCANCODE_KP_MULTIPLY, 0x37, false},
        pc_key_case{SDL_SCANCODE_RALT, 0x38, true}, pc_key_case{SDL_SCANCODE_LALT, 0x38, false},
        pc_key_case{SDL_SCANCODE_HOME, 0x47, true}, pc_key_case{SDL_SCANCODE_KP_7, 0x47, false},
        pc_key_case{SDL_SCANCODE_UP, 0x48, true}, pc_key_case{SDL_SCANCODE_PAGEUP, 0x49, true},
        pc_key_case{SDL_SCANCODE_LEFT, 0x4B, true}, pc_key_case{SDL_SCANCODE_RIGHT, 0x4D, true},
        pc_key_case{SDL_SCANCODE_END, 0x4F, true}, pc_key_case{SDL_SCANCODE_DOWN, 0x50, true},
        pc_key_case{SDL_SCANCODE_PAGEDOWN, 0x51, true},
        pc_key_case{SDL_SCANCODE_INSERT, 0x52, true}, pc_key_case{SDL_SCANCODE_KP_0, 0x52, false},
        pc_key_case{SDL_SCANCODE_DELETE, 0x53, true},
        pc_key_case{SDL_SCANCODE_KP_PERIOD, 0x53, false},
        pc_key_case{SDL_SCANCODE_LGUI, 0x5B, true}, pc_key_case{SDL_SCANCODE_RGUI, 0x5C, true},
        pc_key_case{SDL_SCANCODE_APPLICATION, 0x5D, true}, pc_key_case{SDL_SCANCODE_Z, 0x2C, false},
        pc_key_case{SDL_SCANCODE_M, 0x32, false},
        pc_key_case{SDL_SCANCODE_NONUSBACKSLASH, 0x56, false},
        pc_key_case{SDL_SCANCODE_F12, 0x58, false}, pc_key_case{SDL_SCANCODE_UNKNOWN, 0, false},
        pc_key_case{SDL_SCANCODE_AUDIOPLAY, 0, false},
        pc_key_case{static_cast<SDL_Scancode>(SDL_NUM_SCANCODES), 0, false}));

TEST(key_states, held_keys_are_marked_by_pc_scan_code) {
    std::array<Uint8, SDL_NUM_SCANCODES> held{};
    held[SDL_SCANCODE_UP] = 1;
    held[SDL_SCANCODE_LSHIFT] = 1;
    held[SDL_SCANCODE_RCTRL] = 1;
    held[SDL_SCANCODE_AUDIOPLAY] = 1;
    std::array<std::uint8_t, 128> states;
    states.fill(1);
    key_states_from(held.data(), static_cast<int>(held.size()), states);
    std::array<std::uint8_t, 128> expected{};
    expected[0x48] = expected[0x2A] = expected[0x1D] = 1;
    EXPECT_EQ(states, expected);
}

TEST(key_states, refresh_without_a_held_key_clears_the_table) {
    ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0);
    std::array<std::uint8_t, 128> states;
    states.fill(1);
    refresh_key_states(states);
    EXPECT_EQ(states, (std::array<std::uint8_t, 128>{}));
    SDL_Quit();
}

} // namespace

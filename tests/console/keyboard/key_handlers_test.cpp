#include "ring_fixtures.hpp"

namespace {

using codes = std::vector<std::int32_t>;

key_press press(std::uint8_t scan_code, bool extended, unsigned modifiers,
                key_character character = 0, key_character own = 0, std::int32_t repeat = 1) {
    return {scan_code, extended, modifiers, character, own, repeat};
}

struct key_down_case {
    const char* name;
    key_press pressed;
    bool menu_key;
    codes stored;
};

void PrintTo(const key_down_case& c, std::ostream* os) {
    *os << c.name;
}

class key_down : public empty_ring, public ::testing::WithParamInterface<key_down_case> {};

TEST_P(key_down, stores_the_code_unless_the_window_keeps_the_key) {
    EXPECT_EQ(is_menu_key(GetParam().pressed), GetParam().menu_key);
    on_key_down(GetParam().pressed);
    EXPECT_EQ(taken_keys(), GetParam().stored);
}

constexpr unsigned shift = modifier_shift;
constexpr unsigned ctrl = modifier_ctrl;
constexpr unsigned alt = modifier_alt;

INSTANTIATE_TEST_SUITE_P(
    presses, key_down,
    ::testing::Values(
        key_down_case{"up", press(0x48, true, 0), false, {0x48FF}},
        key_down_case{
            "up_repeated", press(0x48, true, 0, 0, 0, 3), false, {0x48FF, 0x48FF, 0x48FF}},
        key_down_case{"letter", press(0x1E, false, 0, 'a', 'A'), false, {}},
        key_down_case{"f10", press(0x44, false, 0), true, {}},
        key_down_case{"shift_f10", press(0x44, false, shift), true, {}},
        key_down_case{"f9", press(0x43, false, 0), false, {extended_key(0x43)}},
        key_down_case{"alt_f4", press(0x3E, false, alt), true, {}},
        key_down_case{"alt_shift_f1", press(0x3B, false, alt | shift), true, {}},
        key_down_case{"alt_letter", press(0x10, false, alt, 'q', 'Q'), true, {}},
        key_down_case{"ctrl_alt_f4", press(0x3E, false, ctrl | alt), false, {key_window_close}},
        key_down_case{"ctrl_alt_f1", press(0x3B, false, ctrl | alt), false, {extended_key(0x68)}},
        key_down_case{"ctrl_alt_up", press(0x48, true, ctrl | alt), false, {extended_key(0x98)}},
        key_down_case{"repeat_of_zero_presses", press(0x48, true, 0, 0, 0, 0), false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct character_case {
    const char* name;
    key_character character;
    std::int32_t code;
};

void PrintTo(const character_case& c, std::ostream* os) {
    *os << c.name;
}

class typed_character : public empty_ring, public ::testing::WithParamInterface<character_case> {};

TEST_P(typed_character, stores_its_code_page_437_byte) {
    on_character(GetParam().character, 1);
    EXPECT_EQ(taken_keys(), codes{GetParam().code});
}

INSTANTIATE_TEST_SUITE_P(
    characters, typed_character,
    ::testing::Values(character_case{"letter", U'a', 97}, character_case{"a_umlaut", U'ä', 132},
                      character_case{"sharp_s", U'ß', 225},
                      character_case{"black_square", U'\u25A0', 0xFE},
                      character_case{"enter", 13, 13}, character_case{"ctrl_enter", 10, 10},
                      character_case{"backspace", 8, 8}, character_case{"tab", 9, 9},
                      character_case{"esc", 27, 27}, character_case{"ctrl_z", 26, 26},
                      character_case{"a_macron_loses_its_accent", U'ā', 'a'},
                      character_case{"euro_sign_is_unknown", U'€', '?'}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(empty_ring, character_repeats_are_further_presses) {
    on_character(U'x', 3);
    EXPECT_EQ(taken_keys(), (codes{'x', 'x', 'x'}));
}

TEST_F(empty_ring, no_character_stores_nothing) {
    on_character(0, 1);
    on_character(U'x', 0);
    EXPECT_TRUE(key_ring_empty());
}

TEST_F(empty_ring, huge_repeat_fills_the_ring_and_keeps_the_newest) {
    store_key(1);
    on_character(U'x', 1'000'000'000);
    EXPECT_EQ(taken_keys(), codes(15, 'x'));
}

TEST_F(empty_ring, shift_tab_gives_the_key_then_its_character) {
    on_key_down(press(0x0F, false, shift, 9, 9));
    on_character(9, 1);
    EXPECT_EQ(taken_keys(), (codes{0x0FFF, 9}));
}

TEST_F(empty_ring, altgr_q_gives_only_its_character) {
    on_key_down(press(0x10, false, ctrl | alt, '@', 'Q'));
    on_character(U'@', 1);
    EXPECT_EQ(taken_keys(), codes{64});
}

TEST_F(empty_ring, close_box_stores_the_window_close_key) {
    on_close_box();
    EXPECT_EQ(taken_keys(), codes{key_window_close});
}

TEST_F(keyboard_screen, close_box_ends_a_wait) {
    key_script = {[] {}, [] { on_close_box(); }};
    EXPECT_EQ(wait_key(), 27647);
}

TEST_F(keyboard_screen, modifiers_alone_keep_wait_key_waiting) {
    key_script = {[] {
                      on_key_down(press(0x2A, false, shift));
                      on_key_down(press(0x1D, false, ctrl));
                      on_key_down(press(0x38, false, alt));
                      on_key_down(press(0x3A, false, 0));
                      on_key_down(press(0x45, false, 0));
                  },
                  [] { on_character(U'ä', 1); }};
    EXPECT_EQ(wait_key(), 132);
    EXPECT_TRUE(key_script.empty());
}

} // namespace

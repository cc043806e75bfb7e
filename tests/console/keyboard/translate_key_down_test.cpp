#include "console/keyboard/keyboard.hpp"

#include <gtest/gtest.h>

namespace {

constexpr unsigned none = 0;
constexpr unsigned shift = modifier_shift;
constexpr unsigned ctrl = modifier_ctrl;
constexpr unsigned alt = modifier_alt;
constexpr bool e0 = true;

struct key_down_case {
    const char* name;
    std::uint8_t scan_code;
    bool extended;
    unsigned modifiers;
    key_character character;
    key_character own_character;
    std::int32_t code; // 0: no extended code
};

void PrintTo(const key_down_case& c, std::ostream* os) {
    *os << c.name;
}

class translation : public ::testing::TestWithParam<key_down_case> {};

TEST_P(translation, gives_the_extended_code) {
    const key_down_case& c = GetParam();
    EXPECT_EQ(
        translate_key_down(c.scan_code, c.extended, c.modifiers, c.character, c.own_character),
        c.code);
}

// clang-format off
const key_down_case cursor_and_keypad[] = {
    {"up",                        0x48, e0, none,  0,   0,   0x48FF},
    {"shift_up",                  0x48, e0, shift, 0,   0,   0x48FF},
    {"keypad_8_num_lock_off",     0x48, false, none, 0, 0,   0x48FF},
    {"keypad_8_num_lock_on",      0x48, false, none, '8', 0, 0},
    {"shift_keypad_8",            0x48, false, shift, 0, 0,  0},
    {"ctrl_left",                 0x4B, e0, ctrl,  0,   0,   extended_key(0x73)},
    {"ctrl_keypad_4",             0x4B, false, ctrl, 0, 0,   extended_key(0x73)},
    {"ctrl_home",                 0x47, e0, ctrl,  0,   0,   extended_key(0x77)},
    {"ctrl_keypad_7",             0x47, false, ctrl, 0, 0,   extended_key(0x77)},
    {"ctrl_alt_home",             0x47, e0, ctrl | alt, 0, 0, extended_key(0x97)},
    {"ctrl_alt_keypad_7",         0x47, false, ctrl | alt, 0, 0, 0},
    {"ctrl_alt_keypad_5",         0x4C, false, ctrl | alt, 0, 0, extended_key(0x4C)},
    {"delete",                    0x53, e0, none,  0,   127, 0x53FF},
    {"down",                      0x50, e0, none,  0,   0,   0x50FF},
    {"end",                       0x4F, e0, none,  0,   0,   0x4FFF},
    {"ctrl_keypad_divide",        0x35, e0, ctrl,  0,   '/', extended_key(0x95)},
    {"keypad_divide_typed",       0x35, e0, none,  '/', '/', 0},
    {"ctrl_alt_keypad_divide_typed", 0x35, e0, ctrl | alt, '/', '/', extended_key(0x35)},
    {"keypad_enter",              0x1C, e0, none,  13,  0,   0},
    {"right_ctrl_alone",          0x1D, e0, ctrl,  0,   0,   0},
    {"print_screen",              0x37, e0, none,  0,   0,   0},
};

const key_down_case function_keys[] = {
    {"f1",                        0x3B, false, none, 0, 0,   extended_key(0x3B)},
    {"shift_f1",                  0x3B, false, shift, 0, 0,  extended_key(0x54)},
    {"ctrl_f1",                   0x3B, false, ctrl, 0, 0,   extended_key(0x5E)},
    {"alt_f1_with_ctrl",          0x3B, false, ctrl | alt, 0, 0, extended_key(0x68)},
    {"ctrl_shift_f1",             0x3B, false, ctrl | shift, 0, 0, extended_key(0x5E)},
    {"f10",                       0x44, false, none, 0, 0,   extended_key(0x44)},
    {"f11",                       0x57, false, none, 0, 0,   extended_key(0x85)},
    {"f12",                       0x58, false, none, 0, 0,   extended_key(0x86)},
    {"ctrl_alt_f12",              0x58, false, ctrl | alt, 0, 0, extended_key(0x8C)},
    {"ctrl_alt_f4",               0x3E, false, ctrl | alt, 0, 0, key_window_close},
};

const key_down_case typing_keys[] = {
    {"shift_tab",                 0x0F, false, shift, 9, 9,  0x0FFF},
    {"tab",                       0x0F, false, none, 9, 9,   0},
    {"ctrl_tab",                  0x0F, false, ctrl, 9, 9,   extended_key(0x94)},
    {"enter",                     0x1C, false, none, 13, 13, 0},
    {"letter",                    0x1E, false, none, 'a', 'A', 0},
    {"shift_letter",              0x1E, false, shift, 'A', 'A', 0},
    {"alt_letter_lower_case",     0x10, false, alt, 'q', 'Q', extended_key(0x10)},
    {"alt_letter_upper_case",     0x10, false, alt, 'Q', 'Q', extended_key(0x10)},
    {"alt_letter_without_character", 0x10, false, alt, 0, 'Q', 0},
    {"altgr_q_gives_at_sign",     0x10, false, alt, '@', 'Q', 0},
    {"ctrl_altgr_q_gives_at_sign", 0x10, false, ctrl | alt, '@', 'Q', 0},
    {"alt_minus",                 0x0C, false, alt, '-', '-', extended_key(0x82)},
    {"alt_7",                     0x08, false, alt, '7', '7', extended_key(0x82)},
    {"alt_backspace",             0x0E, false, alt, 8, 8,    extended_key(0xE0)},
    {"ctrl_2_typed",              0x03, false, ctrl, '2', '2', extended_key(0x03)},
    {"ctrl_2_without_character",  0x03, false, ctrl, 0, '2', 0},
    {"esc_with_alt",              0x01, false, alt, 27, 27,  extended_key(0x01)},
    {"umlaut_key_with_alt",       0x28, false, alt, U'ä', U'Ä', 0},
};

const key_down_case keys_without_codes[] = {
    {"left_shift",                0x2A, false, shift, 0, 0,  0},
    {"right_shift",               0x36, false, shift, 0, 0,  0},
    {"ctrl",                      0x1D, false, ctrl, 0, 0,   0},
    {"alt",                       0x38, false, alt, 0, 0,    0},
    {"right_alt",                 0x38, e0, alt, 0, 0,       0},
    {"caps_lock",                 0x3A, false, none, 0, 0,   0},
    {"num_lock",                  0x45, false, none, 0, 0,   0},
    {"scan_code_0",               0x00, false, none, 0, 0,   0},
    {"row_0x56",                  0x56, false, alt, 0, 0,    0},
    {"above_the_table",           0x59, false, alt, 0, 0,    0},
    {"highest_scan_code",         0xFF, false, none, 0, 0,   0},
    {"gui_key",                   0x5B, e0, none, 0, 0,      0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(cursor_and_keypad, translation, ::testing::ValuesIn(cursor_and_keypad),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(function_keys, translation, ::testing::ValuesIn(function_keys),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(typing_keys, translation, ::testing::ValuesIn(typing_keys),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(keys_without_codes, translation, ::testing::ValuesIn(keys_without_codes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

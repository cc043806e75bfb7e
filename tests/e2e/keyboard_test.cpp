// Real key presses reaching the game's line editor: layouts, dead keys,
// characters outside the layout, keys without a character, auto-repeat.
#include "e2e/harness.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One thing done on the keyboard, and the line the editor then shows with
// the index its cursor mark stands at.
struct key_step {
    const char* what;
    std::function<bool(game_session&)> act;
    std::string shown;
    std::size_t cursor_index;
};

auto typing(std::string text) {
    return [text](game_session& s) { return s.type(text); };
}
auto pressing(std::vector<std::string> keys) {
    return [keys](game_session& s) { return s.press(keys); };
}
// A keypad key by its key, with Num Lock set as asked first.
auto keypad(const char* keysym, bool num_lock) {
    return [keysym, num_lock](game_session& s) {
        set_num_lock(s.display(), num_lock);
        return tap_key(s.display(), keysym);
    };
}

void play_key_steps(game_session& session, const std::vector<key_step>& steps) {
    for (const key_step& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(step.act(session));
        screen_builder screen = level_clue(1);
        ASSERT_TRUE(session.expect_screen(screen.editing(step.shown, step.cursor_index).screen()));
    }
}

TEST(keyboard, a_german_layout_gives_its_letters_in_code_page_437) {
    game_options options;
    options.display.keyboard_layout = "de";
    game_session session(options);
    ASSERT_TRUE(reach_level(session, 1));
    play_key_steps(session,
                   {
                       {"a umlaut", typing("ä"), "\x84", 1},
                       {"sharp s", typing("ß"), "\x84\xE1", 2},
                       {"AltGr+Q", pressing({"ISO_Level3_Shift+q"}), "\x84\xE1@", 3},
                       {"z on the German key", typing("z"), "\x84\xE1@z", 4},
                       {"dead acute, then e", pressing({"dead_acute", "e"}), "\x84\xE1@z\x82", 5},
                       {"dead circumflex, then a", pressing({"dead_circumflex", "a"}),
                        "\x84\xE1@z\x82\x83", 6},
                   });
}

TEST(keyboard, control_and_shifted_keys_act_by_their_codes) {
    game_session session;
    ASSERT_TRUE(reach_level(session, 1));
    play_key_steps(
        session,
        {
            {"letters", typing("ab"), "ab", 2},
            // 0x0FFF, which the editor ignores, then a Tab
            {"Shift+Tab", pressing({"shift+Tab"}), "ab      ", 8},
            {"Ctrl+H", pressing({"ctrl+h"}), "ab     ", 7},
            {"Ctrl+I", pressing({"ctrl+i"}), "ab      ", 8},
            {"black square", pressing({"U25A0"}), "ab      \xFE", 9},
            {"keys the editor ignores", pressing({"Insert", "Prior", "Next", "F1", "ctrl+b", "Up"}),
             "ab      \xFE", 9},
            {"modifiers and locks alone",
             pressing({"Shift_L", "Control_L", "Alt_L", "Caps_Lock", "Caps_Lock"}), "ab      \xFE",
             9},
        });
    ASSERT_TRUE(session.press({"ctrl+m"}));
    screen_builder judged = level_clue(1);
    EXPECT_TRUE(session.expect_screen(judged.answered("ab      \xFE").line(rebuke).screen()));
}

TEST(keyboard, keypad_keys_are_digits_with_num_lock_and_cursor_keys_without) {
    game_session session;
    ASSERT_TRUE(reach_level(session, 1));
    play_key_steps(session, {
                                {"letters", typing("ab"), "ab", 2},
                                {"keypad 4 as Left", keypad("KP_Left", false), "ab", 1},
                                {"keypad 8 as a digit", keypad("KP_8", true), "a8b", 2},
                                {"keypad 7 as Home", keypad("KP_Home", false), "a8b", 0},
                                {"keypad point as Delete", keypad("KP_Delete", false), "8b", 0},
                                {"keypad 1 as End", keypad("KP_End", false), "8b", 2},
                                {"keypad 1 as a digit", keypad("KP_1", true), "8b1", 3},
                                {"keypad 8 as Up", keypad("KP_Up", false), "8b1", 3},
                            });
}

TEST(keyboard, a_held_key_repeats) {
    game_session session;
    ASSERT_TRUE(reach_level(session, 1));
    ASSERT_TRUE(hold_key(session.display(), "a"));
    // Holds the key until the editor shows at least three of it, and
    // nothing but it.
    auto repeated = [](const decoded_screen& shown) {
        const std::string& row = shown.rows[28];
        std::size_t count = row.find_first_not_of('a', 2) - 2;
        return level_clue(1).editing(std::string(std::max<std::size_t>(count, 3), 'a')).screen();
    };
    bool repeating = session.expect_screen(repeated);
    ASSERT_TRUE(release_key(session.display(), "a"));
    ASSERT_TRUE(repeating);
    ASSERT_TRUE(session.press({"Escape"}));
    EXPECT_TRUE(session.expect_screen(level_clue(1).editing("").screen()));
}

} // namespace

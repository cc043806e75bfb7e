// Editing an answer in the real window, keys typed ahead, an answer that
// fills its row, and the close box.
#include "e2e/harness.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

namespace {

// One step of editing: what is typed or pressed, and what the editor shows
// afterwards: the text and the index the cursor mark stands at.
struct edit_step {
    std::string typed;
    std::vector<std::string> keys;
    std::string shown;
    std::size_t cursor_index;
};

bool play_steps(game_session& session, int level, const std::vector<edit_step>& steps) {
    for (const edit_step& step : steps) {
        if (!step.typed.empty() && !session.type(step.typed)) return false;
        if (!step.keys.empty() && !session.press(step.keys)) return false;
        screen_builder screen = level_clue(level);
        if (!session.expect_screen(screen.editing(step.shown, step.cursor_index).screen()))
            return false;
    }
    return true;
}

TEST(editing, the_editing_keys_shape_the_answer_before_enter) {
    game_session session;
    ASSERT_TRUE(reach_level(session, 1));
    ASSERT_TRUE(play_steps(session, 1,
                           {
                               {"abc", {}, "abc", 3},
                               {"", {"Escape"}, "", 0},
                               {"17", {}, "17", 2},
                               {"", {"Left"}, "17", 1},
                               {"", {"BackSpace"}, "7", 0},
                               {"", {"BackSpace"}, "7", 0},
                               {"9", {}, "97", 1},
                               {"", {"Home"}, "97", 0},
                               {"", {"Delete"}, "7", 0},
                               {"", {"Right"}, "7", 1},
                               {"x", {}, "7x", 2},
                               {"", {"Left", "Left", "End"}, "7x", 2},
                               {"", {"BackSpace"}, "7", 1},
                           }));
    ASSERT_TRUE(session.press({"Return"}));
    screen_builder praised = level_clue(1);
    praised.answered("7").line(praise_after_level(1));
    EXPECT_TRUE(session.expect_screen(praised.screen()));
}

TEST(editing, an_answer_ending_in_column_62_leaves_an_empty_row_before_the_message) {
    // 59 blanks and the digit fill the prompt row; the blanks are dropped
    // from the answer, so it is right.
    std::string typed = std::string(59, ' ') + "7";
    game_session session;
    ASSERT_TRUE(reach_level(session, 1));
    ASSERT_TRUE(session.type(typed));
    screen_builder editing = level_clue(1);
    expected_screen full_row = editing.editing(typed).screen();
    ASSERT_EQ(full_row.cursor, (cell_position{1, 30}));
    ASSERT_TRUE(session.expect_screen(full_row));
    ASSERT_TRUE(session.press({"Return"}));
    screen_builder praised = level_clue(1);
    expected_screen after = praised.answered(typed).line(praise_after_level(1)).screen();
    ASSERT_EQ(after.rows[29], "");
    EXPECT_TRUE(session.expect_screen(after));
}

struct ahead_case {
    const char* name;
    std::vector<std::string> keys; // while the level-1 praise waits
    std::string shown;             // what then stands after the level-2 prompt
    bool submitted;                // the second key was Enter
};

void PrintTo(const ahead_case& c, std::ostream* out) {
    *out << c.name;
}

class typed_ahead : public ::testing::TestWithParam<ahead_case> {};

TEST_P(typed_ahead, the_second_key_of_a_wait_goes_to_the_next_answer) {
    const ahead_case& c = GetParam();
    game_session session;
    ASSERT_TRUE(reach_level(session, 1));
    ASSERT_TRUE(session.type(right_answer_1));
    ASSERT_TRUE(session.press({"Return"}));
    screen_builder praised = level_clue(1);
    ASSERT_TRUE(session.expect_screen(praised.answered("7").line(praise_after_level(1)).screen()));
    ASSERT_TRUE(session.press(c.keys));
    screen_builder next = level_clue(2);
    if (c.submitted) {
        ASSERT_TRUE(session.expect_screen(next.answered("").line(rebuke).screen()));
        expect_end_after_key(session);
    } else {
        EXPECT_TRUE(session.expect_screen(next.editing(c.shown).screen()));
    }
}

INSTANTIATE_TEST_SUITE_P(keys, typed_ahead,
                         ::testing::Values(ahead_case{"a_character", {"q", "x"}, "x", false},
                                           ahead_case{"enter", {"q", "Return"}, "", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(close_box, counts_as_a_key_while_the_game_waits_and_is_ignored_while_editing) {
    game_session session;
    ASSERT_TRUE(session.ready());
    ASSERT_TRUE(session.expect_screen(greeting().screen()));
    session.close_box();
    ASSERT_TRUE(session.expect_screen(level_clue(1).editing("").screen()));
    ASSERT_TRUE(session.type("7"));
    ASSERT_TRUE(session.expect_screen(level_clue(1).editing("7").screen()));
    session.close_box();
    ASSERT_TRUE(session.type("x"));
    ASSERT_TRUE(session.expect_screen(level_clue(1).editing("7x").screen()));
    EXPECT_TRUE(session.window_exists());
    ASSERT_TRUE(session.press({"BackSpace", "Return"}));
    screen_builder praised = level_clue(1);
    ASSERT_TRUE(session.expect_screen(praised.answered("7").line(praise_after_level(1)).screen()));
    session.close_box();
    ASSERT_TRUE(session.expect_screen(level_clue(2).editing("").screen()));
    ASSERT_TRUE(session.press({"Return"}));
    screen_builder judged = level_clue(2);
    ASSERT_TRUE(session.expect_screen(judged.answered("").line(rebuke).screen()));
    session.close_box();
    EXPECT_EQ(session.wait_exit(), 0);
    EXPECT_TRUE(session.window_gone());
}

TEST(close_box, the_window_managers_close_command_counts_as_a_key) {
    // Openbox takes Alt+F4 for itself and asks the window to close.
    game_options options;
    options.display.window_manager = true;
    game_session session(options);
    ASSERT_TRUE(session.ready());
    ASSERT_TRUE(session.expect_screen(greeting().screen()));
    ASSERT_TRUE(session.press({"alt+F4"}));
    ASSERT_TRUE(session.expect_screen(level_clue(1).editing("").screen()));
    ASSERT_TRUE(session.type("7"));
    ASSERT_TRUE(session.press({"Return"}));
    screen_builder praised = level_clue(1);
    EXPECT_TRUE(session.expect_screen(praised.answered("7").line(praise_after_level(1)).screen()));
    EXPECT_TRUE(session.window_exists());
}

} // namespace

// The whole game played in its real window: every level, right and wrong,
// and the forms an answer may be typed in.
#include "e2e/harness.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

namespace {

TEST(play_through, all_four_levels_right_end_the_game_with_status_0) {
    game_session session;
    ASSERT_TRUE(session.ready());
    ASSERT_TRUE(session.expect_screen(greeting().screen()));
    session.screenshot("greeting");
    ASSERT_TRUE(session.press({"Return"}));
    ASSERT_TRUE(session.type(right_answer_1));
    ASSERT_TRUE(session.expect_screen(level_clue(1).editing(right_answer_1).screen()));
    session.screenshot("level");
    ASSERT_TRUE(session.press({"BackSpace"}));
    ASSERT_TRUE(session.expect_screen(level_clue(1).editing("").screen()));
    ASSERT_TRUE(play_right_up_to(session, 4));
    screen_builder last = level_clue(4);
    last.answered(right_answer_4_bytes).line(" Gut gemacht, auf zu Level 5");
    ASSERT_TRUE(session.expect_screen(last.screen()));
    expect_end_after_key(session);
}

// One answer on one level, reached by answering the levels before it right.
struct answer_case {
    const char* name;
    int level;
    std::string typed;             // through xdotool type
    std::vector<std::string> keys; // pressed after it
    std::string shown;             // the bytes the editor shows
    bool right;
};

void PrintTo(const answer_case& c, std::ostream* out) {
    *out << c.name;
}

class answers : public ::testing::TestWithParam<answer_case> {};

std::vector<std::string_view> messages_after(const answer_case& c) {
    if (c.right) return {praise_after_level(c.level)};
    if (c.level == 4) return {last_level_rebuke.begin(), last_level_rebuke.end()};
    return {rebuke};
}

TEST_P(answers, are_judged_and_answered_below_the_typed_line) {
    const answer_case& c = GetParam();
    game_session session;
    ASSERT_TRUE(reach_level(session, c.level));
    ASSERT_TRUE(session.type(c.typed));
    ASSERT_TRUE(session.press(c.keys));
    ASSERT_TRUE(session.expect_screen(level_clue(c.level).editing(c.shown).screen()));
    ASSERT_TRUE(session.press({"Return"}));
    screen_builder judged = level_clue(c.level);
    judged.answered(c.shown);
    for (std::string_view line : messages_after(c)) judged.line(line);
    ASSERT_TRUE(session.expect_screen(judged.screen()));
    if (c.right && c.level < 4) {
        ASSERT_TRUE(session.press({"Return"}));
        EXPECT_TRUE(session.expect_screen(level_clue(c.level + 1).editing("").screen()));
    } else {
        expect_end_after_key(session);
    }
}

const answer_case answer_cases[] = {
    {"level_1_wrong", 1, "8", {}, "8", false},
    {"level_2_one_short", 2, "WORM", {}, "WORM", false},
    {"level_3_one_too_many", 3, "DIVI", {}, "DIVI", false},
    {"level_4_one_square_short", 4, "#", {"U25A0"}, "#\xFE", false},
    {"level_1_leading_blanks_dropped", 1, "  7", {}, "  7", true},
    {"level_1_trailing_blank_kept", 1, "7 ", {}, "7 ", false},
    {"level_2_mixed_case", 2, "wOrMs", {}, "wOrMs", true},
    {"level_3_mixed_case", 3, "dIv", {}, "dIv", true},
    {"level_2_comma_ends_the_answer", 2, "worms,x", {}, "worms,x", true},
};

INSTANTIATE_TEST_SUITE_P(typed, answers, ::testing::ValuesIn(answer_cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// What reaches the game from outside besides keys: odd QZGFX values, and
// close requests by the hundred.
#include "e2e/harness.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

struct qzgfx_case {
    const char* name;
    std::string value;
};

void PrintTo(const qzgfx_case& c, std::ostream* out) {
    *out << c.name;
}

class odd_qzgfx : public ::testing::TestWithParam<qzgfx_case> {};

// A value that names no back-end is as good as none: the window opens.
TEST_P(odd_qzgfx, still_opens_the_window_and_plays) {
    game_options options;
    options.environment.emplace_back("QZGFX", GetParam().value);
    game_session session(options);
    ASSERT_TRUE(pass_greeting(session));
    ASSERT_TRUE(session.type(right_answer_1));
    ASSERT_TRUE(session.press({"Return"}));
    screen_builder answered = level_clue(1);
    answered.answered(right_answer_1).line(praise_after_level(1));
    EXPECT_TRUE(session.expect_screen(answered.screen()));
}

INSTANTIATE_TEST_SUITE_P(values, odd_qzgfx,
                         ::testing::Values(qzgfx_case{"empty", ""},
                                           qzgfx_case{"long", std::string(100 * 1024, 'x')},
                                           qzgfx_case{"not_utf8", "\xff\xfe\x80x11\xc3"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(close_requests, by_the_hundred_leave_the_editor_waiting) {
    game_session session;
    ASSERT_TRUE(pass_greeting(session));
    for (int n = 0; n < 200; ++n) session.close_box();
    ASSERT_TRUE(session.expect_screen(level_clue(1).editing("").screen()));
    EXPECT_TRUE(session.window_exists());
    ASSERT_TRUE(session.type(right_answer_1));
    ASSERT_TRUE(session.expect_screen(level_clue(1).editing(right_answer_1).screen()));
}

} // namespace

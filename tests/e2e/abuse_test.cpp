// The window under a hostile environment.
#include "e2e/harness.hpp"

#include <gtest/gtest.h>

namespace {

struct qzgfx_case {
    const char* name;
    std::string value;
};

class abuse_qzgfx : public ::testing::TestWithParam<qzgfx_case> {};

TEST_P(abuse_qzgfx, an_odd_value_still_opens_the_window_with_the_greeting) {
    game_options options;
    options.environment = {{"QZGFX", GetParam().value}};
    game_session session(options);
    ASSERT_TRUE(session.ready());
    EXPECT_TRUE(session.expect_screen(greeting().screen()));
}

INSTANTIATE_TEST_SUITE_P(abuse, abuse_qzgfx,
                         ::testing::Values(qzgfx_case{"empty", ""},
                                           qzgfx_case{"100_kb", std::string(100 * 1024, 'x')},
                                           qzgfx_case{"not_utf8", "\xff\xfe\xc3(\x80sdl"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// The terminal variant under a hostile environment: odd QZGFX values and a
// run under valgrind.
#include "game_process.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace {

const std::string whole_game = "\n7\n\nworms\n\nDiv\n\n#■■\n\n";

struct environment_case {
    const char* name;
    std::string qzgfx;
};

void PrintTo(const environment_case& c, std::ostream* out) {
    *out << c.name;
}

class odd_qzgfx : public ::testing::TestWithParam<environment_case> {};

TEST_P(odd_qzgfx, without_a_display_still_plays_the_whole_game_in_the_terminal) {
    process_result run = run_process({RAETSEL_BINARY}, whole_game, {"QZGFX=" + GetParam().qzgfx});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find(std::string(greeting_screen[1])), std::string::npos);
    EXPECT_NE(run.output.find(std::string(praise_after_level(4))), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(abuse, odd_qzgfx,
                         ::testing::Values(environment_case{"empty", ""},
                                           environment_case{"100_kb", std::string(100 * 1024, 'x')},
                                           environment_case{"not_utf8", "\xff\xfe\xc3(\x80sdl"}),
                         [](const auto& info) { return std::string(info.param.name); });

bool built_with_sanitizers() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return true;
#else
    return false;
#endif
}

TEST(abuse, a_whole_piped_game_under_valgrind_has_no_errors_and_no_definite_leaks) {
    if (built_with_sanitizers()) GTEST_SKIP() << "a sanitizer build cannot run under valgrind";
    if (access("/usr/bin/valgrind", X_OK) != 0) GTEST_SKIP() << "valgrind is not installed";
    process_result run = run_process({"valgrind", "-q", "--error-exitcode=1", "--leak-check=full",
                                      "--errors-for-leak-kinds=definite", RAETSEL_BINARY},
                                     whole_game);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find(std::string(praise_after_level(4))), std::string::npos);
}

} // namespace

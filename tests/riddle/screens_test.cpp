#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(greeting_screen, lines_have_their_lengths) {
    const std::vector<std::size_t> lengths = {0, 56, 57, 58, 49, 60, 60, 59, 26, 0, 62, 10, 0, 18};
    ASSERT_EQ(greeting_screen.size(), lengths.size());
    for (std::size_t n = 0; n < lengths.size(); ++n)
        EXPECT_EQ(greeting_screen[n].size(), lengths[n]) << "line " << n + 1;
}

TEST(greeting_screen, keeps_its_trailing_blanks_and_spellings) {
    EXPECT_EQ(greeting_screen[6].back(), ' ');
    EXPECT_EQ(greeting_screen[8], " Reatsel auf euch wartet. ");
    EXPECT_NE(greeting_screen[5].find("Reatsel habt,"), screen_line::npos);
    EXPECT_NE(greeting_screen[7].find("neachsten"), screen_line::npos);
}

TEST(screens, every_text_starts_with_a_blank_and_fits_a_row) {
    std::vector<screen_line> all(greeting_screen.begin(), greeting_screen.end());
    all.insert(all.end(), level_2_screen.begin(), level_2_screen.end());
    all.insert(all.end(), level_3_screen.begin(), level_3_screen.end());
    all.insert(all.end(), level_4_screen.begin(), level_4_screen.end());
    all.insert(all.end(), last_level_rebuke.begin(), last_level_rebuke.end());
    for (int level = 1; level <= 4; ++level) all.push_back(praise_after_level(level));
    all.push_back(rebuke);
    for (screen_line line : all) {
        EXPECT_LE(line.size(), 62u) << line;
        EXPECT_TRUE(line.empty() || line.front() == ' ') << line;
    }
}

TEST(messages, the_two_rebukes_differ_in_the_full_stop) {
    EXPECT_EQ(rebuke.size(), 20u);
    EXPECT_EQ(last_level_rebuke[0].size(), 21u);
    EXPECT_EQ(last_level_rebuke[0], std::string(rebuke) + ".");
    EXPECT_EQ(last_level_rebuke[2], " Binearsystem zu tun.");
}

TEST(messages, praise_names_the_next_level) {
    EXPECT_EQ(praise_after_level(1), " Gut gemacht, auf zu Level 2");
    EXPECT_EQ(praise_after_level(4), " Gut gemacht, auf zu Level 5");
}

TEST(level_screens, open_and_close_with_blank_lines) {
    for (auto lines : {std::vector<screen_line>(level_2_screen.begin(), level_2_screen.end()),
                       std::vector<screen_line>(level_3_screen.begin(), level_3_screen.end()),
                       std::vector<screen_line>(level_4_screen.begin(), level_4_screen.end())}) {
        EXPECT_EQ(lines.front(), " ");
        EXPECT_EQ(lines.back(), " ");
    }
    EXPECT_EQ(level_2_screen[3], " 49.634508,8.351097");
    EXPECT_EQ(level_3_screen[4], " DOS int 00h -> QZ");
    EXPECT_EQ(level_4_screen[5], " +1--+0+110-+0");
}

} // namespace

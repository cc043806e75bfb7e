#include "riddle/answers.hpp"
#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(answer_table, holds_a_digit_then_upper_case_letters) {
    answer_table table = filled_answer_table();
    ASSERT_EQ(table[0].size(), 1u);
    EXPECT_TRUE(table[0][0] >= '0' && table[0][0] <= '9');
    for (std::size_t n = 1; n < table.size(); ++n) {
        ASSERT_EQ(table[n].size(), 1u) << "entry " << n + 1;
        EXPECT_TRUE(table[n][0] >= 'A' && table[n][0] <= 'Z') << "entry " << n + 1;
    }
}

TEST(answer_table, joins_into_the_level_answers) {
    answer_table t = filled_answer_table();
    EXPECT_EQ(join(join(join(join(t[4], t[5]), t[6]), t[7]), t[8]), "WORMS");
    EXPECT_EQ(join(join(t[1], t[2]), t[3]), "DIV");
}

TEST(level_4_answer, is_a_printable_byte_and_two_equal_high_bytes) {
    ASSERT_EQ(level_4_answer.size(), 3u);
    EXPECT_EQ(level_4_answer[0], '#');
    EXPECT_EQ(static_cast<unsigned char>(level_4_answer[1]), 0xFE);
    EXPECT_EQ(level_4_answer[1], level_4_answer[2]);
}

struct upper_case_case {
    byte_string in;
    byte_string out;
};

class upper_case_table : public ::testing::TestWithParam<upper_case_case> {};

TEST_P(upper_case_table, folds_only_a_to_z) {
    EXPECT_EQ(upper_case(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    bytes, upper_case_table,
    ::testing::Values(upper_case_case{"", ""}, upper_case_case{"wOrMs", "WORMS"},
                      upper_case_case{"az`{@[", "AZ`{@["},
                      // code page 437's small a with diaeresis and the black square stay
                      upper_case_case{"\x84\xfe#", "\x84\xfe#"},
                      upper_case_case{" div ", " DIV "}));

TEST(equal, needs_the_same_length_and_bytes) {
    EXPECT_TRUE(equal("WORMS", "WORMS"));
    EXPECT_FALSE(equal("WORMS", "WORM"));
    EXPECT_FALSE(equal("WORMS", "WORMSX"));
    EXPECT_FALSE(equal("WORMS", "worms"));
    EXPECT_FALSE(equal("7 ", "7"));
    EXPECT_TRUE(equal(byte_string("\0", 1), byte_string("\0", 1)));
    EXPECT_FALSE(equal(byte_string("\0", 1), ""));
}

TEST(level_1_address, is_26_lower_case_letters_and_dots) {
    EXPECT_EQ(level_1_address.size(), 26u);
    EXPECT_TRUE(std::all_of(level_1_address.begin(), level_1_address.end(),
                            [](char c) { return (c >= 'a' && c <= 'z') || c == '.'; }));
}

} // namespace

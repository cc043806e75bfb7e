#include "text_screen.hpp"

#include "riddle/screens.hpp"

#include <functional>

namespace {

using print_test = text_screen;

struct print_case {
    const char* name;
    std::function<void()> print;
    std::string row_1, row_2;
    std::pair<int, int> cursor;
};

class printing : public text_screen, public ::testing::WithParamInterface<print_case> {};

TEST_P(printing, writes_and_moves_the_cursor) {
    const print_case& c = GetParam();
    c.print();
    EXPECT_EQ(trimmed(row(1)), c.row_1);
    EXPECT_EQ(trimmed(row(2)), c.row_2);
    EXPECT_EQ(cursor(), c.cursor);
}

constexpr std::int32_t zone = print_zone;
constexpr std::int32_t blank = print_trailing_blank;
constexpr std::int32_t line = print_line_break;
constexpr std::int32_t line_too = print_line_break_too;

INSTANTIATE_TEST_SUITE_P(
    text, printing,
    ::testing::Values(
        print_case{"empty_text", [] { print_text("", 0); }, "", "", {1, 1}},
        print_case{"empty_text_line", [] { print_text("", line); }, "", "", {1, 2}},
        print_case{"text_line_too", [] { print_text("ab", line_too); }, "ab", "", {1, 2}},
        print_case{"text_blank_bit", [] { print_text("ab", blank); }, "ab", "", {3, 1}},
        print_case{"text_zone_from_1", [] { print_text("ab", zone); }, "ab", "", {15, 1}},
        print_case{
            "text_line_wins_over_zone", [] { print_text("ab", line | zone); }, "ab", "", {1, 2}},
        print_case{"text_zone_ending_in_41",
                   [] {
                       cursor_set(1, 40);
                       print_text("ab", zone);
                   },
                   repeated(' ', 39) + "ab",
                   "",
                   {43, 1}},
        print_case{"text_zone_ending_in_42",
                   [] {
                       cursor_set(1, 41);
                       print_text("ab", zone);
                   },
                   repeated(' ', 40) + "ab",
                   "",
                   {1, 2}},
        print_case{"unsigned_0", [] { print_unsigned(0, line); }, "0", "", {1, 2}},
        print_case{
            "unsigned_max", [] { print_unsigned(4294967295u, line); }, "4294967295", "", {1, 2}},
        print_case{"unsigned_blank", [] { print_unsigned(5, blank); }, "5", "", {3, 1}},
        print_case{"unsigned_zone", [] { print_unsigned(12, zone); }, "12", "", {15, 1}},
        print_case{
            "unsigned_zone_after_line", [] { print_unsigned(12, line | zone); }, "12", "", {15, 2}},
        print_case{"signed_negative", [] { print_signed(-7, 0); }, "-7", "", {3, 1}},
        print_case{"signed_positive", [] { print_signed(7, 0); }, " 7", "", {3, 1}},
        print_case{"signed_min_blank_line",
                   [] { print_signed(-2147483647 - 1, blank | line); },
                   "-2147483648",
                   "",
                   {1, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(print_test, signed_blank_stands_for_the_sign) {
    print_signed(7, 0);
    print_signed(0, 0);
    EXPECT_EQ(row(1).substr(0, 4), " 7 0");
}

TEST_F(print_test, trailing_blank_overwrites_and_precedes_the_line_break) {
    write("xxxxx");
    cursor_set(1, 1);
    print_unsigned(42, blank | line);
    EXPECT_EQ(trimmed(row(1)), "42 xx");
    EXPECT_EQ(cursor(), std::make_pair(1, 2));
}

struct counter_case {
    const char* name;
    std::function<void()> before;
    std::pair<int, int> cursor; // after print_text("", zone)
};

class column_counter : public text_screen, public ::testing::WithParamInterface<counter_case> {};

TEST_P(column_counter, places_the_next_zone) {
    GetParam().before();
    print_text("", zone);
    EXPECT_EQ(cursor(), GetParam().cursor);
}

INSTANTIATE_TEST_SUITE_P(
    text, column_counter,
    ::testing::Values(
        counter_case{"grows_over_calls",
                     [] {
                         print_text("abc", 0);
                         print_text("de", 0);
                     },
                     {15, 1}},
        counter_case{"restarts_after_a_line_break", [] { print_text("xx\r\nabc", 0); }, {15, 2}},
        counter_case{"wraps_with_the_row", [] { print_text(repeated('x', 70), 0); }, {15, 2}},
        counter_case{"ignores_console_write",
                     [] {
                         print_text("ab", 0);
                         console_write("cdef", 4, 0);
                     },
                     {19, 1}},
        counter_case{"follows_cursor_set", [] { cursor_set(3, 20); }, {29, 3}},
        counter_case{"counts_zone_blanks",
                     [] {
                         print_text("ab", zone);
                         print_text("c", 0);
                     },
                     {29, 1}},
        counter_case{"reset_by_screen_clear",
                     [] {
                         print_text("abc", 0);
                         screen_clear(1);
                     },
                     {18, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(print_test, greeting_leaves_the_rows_of_its_screen) {
    print_lines(greeting_screen);
    std::vector<std::string> rows = screen_rows();
    for (int r : {1, 10, 12, 14}) EXPECT_EQ(rows[static_cast<std::size_t>(r - 1)], "") << r;
    EXPECT_EQ(row(11), greeting_screen[10]);
    EXPECT_EQ(rows[12], " gelangen.");
    EXPECT_EQ(rows[14], " Gutes Gelingen ;)");
    EXPECT_EQ(rows[1], greeting_screen[1]);
    EXPECT_EQ(cursor(), std::make_pair(1, 16));
    EXPECT_EQ(picture_mismatch(), "");
}

TEST_F(print_test, without_a_screen_the_terminal_gets_the_same_bytes) {
    screen_close();
    testing::internal::CaptureStdout();
    print_text("ab", zone);
    print_text("c", zone);
    print_unsigned(7, blank);
    std::fflush(stdout);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "ab" + repeated(' ', 12) + "c" + repeated(' ', 13) + "7 ");
}

} // namespace

#include "text_screen.hpp"

#include "console/text/text_view.hpp"
#include "console/window/drawing_context.hpp"
#include "console/window/platform.hpp"

#include <map>
#include <string_view>

using namespace std::string_view_literals;

namespace {

using write_test = text_screen;

// A text whose bytes tell their place: A, B, C ... Z, A, ...
std::string lettered(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>('A' + i % 26);
    return s;
}

std::vector<std::string> expected_rows(const std::map<int, std::string>& rows) {
    std::vector<std::string> all(50);
    for (const auto& [r, text] : rows) all[static_cast<std::size_t>(r - 1)] = text;
    return all;
}

struct wrap_case {
    const char* name;
    int start_row;
    int length;
    int mask;
    std::map<int, std::string> rows; // "m" marks the row above the start
    std::pair<int, int> cursor;
};

class wrapping : public text_screen, public ::testing::WithParamInterface<wrap_case> {};

TEST_P(wrapping, leaves_rows_and_cursor) {
    const wrap_case& c = GetParam();
    if (c.start_row > 1) {
        cursor_set(c.start_row - 1, 1);
        write("m");
    }
    cursor_set(c.start_row, 1);
    print_text(lettered(c.length), c.mask);
    EXPECT_EQ(screen_rows(), expected_rows(c.rows));
    EXPECT_EQ(cursor(), c.cursor);
    EXPECT_EQ(picture_mismatch(), "");
}

const std::string row_62 = lettered(62);

INSTANTIATE_TEST_SUITE_P(
    text, wrapping,
    ::testing::Values(
        wrap_case{"full_row_1", 1, 62, 1, {{1, row_62}}, {1, 3}},
        wrap_case{"full_row_30", 30, 62, 1, {{29, "m"}, {30, row_62}}, {1, 32}},
        wrap_case{"full_row_49", 49, 62, 1, {{47, "m"}, {48, row_62}}, {1, 50}},
        wrap_case{"full_row_50", 50, 62, 1, {{47, "m"}, {48, row_62}}, {1, 50}},
        wrap_case{"full_row_50_no_break", 50, 62, 0, {{49, "m"}, {50, row_62}}, {62, 50}},
        wrap_case{"one_short", 1, 61, 1, {{1, lettered(61)}}, {1, 2}},
        wrap_case{"one_over", 1, 63, 1, {{1, row_62}, {2, "K"}}, {1, 3}},
        wrap_case{"one_over_in_row_50", 50, 63, 1, {{47, "m"}, {48, row_62}, {49, "K"}}, {1, 50}},
        wrap_case{"line_break_in_row_50", 50, 4, 1, {{48, "m"}, {49, "ABCD"}}, {1, 50}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(write_test, byte_after_the_last_cell_scrolls_first) {
    cursor_set(50, 1);
    write(row_62);
    write("z");
    EXPECT_EQ(row(49), row_62);
    EXPECT_EQ(trimmed(row(50)), "z");
    EXPECT_EQ(cursor(), std::make_pair(2, 50));
}

TEST_F(write_test, pending_wrap_is_carried_out_by_flag_8_only) {
    cursor_set(50, 1);
    write(row_62);
    clear_changed_rows();
    console_write("", 0, 0);
    EXPECT_EQ(cursor(), std::make_pair(62, 50));
    EXPECT_EQ(changed_range(), std::make_pair(-1, -1));

    console_write("", 0, write_carry_wrap);
    EXPECT_EQ(cursor(), std::make_pair(1, 50));
    EXPECT_EQ(row(49), row_62);
    EXPECT_EQ(trimmed(row(50)), "");
    EXPECT_EQ(changed_range(), std::make_pair(0, 399));
}

TEST_F(write_test, cursor_set_drops_the_wrap_without_carrying_it_out) {
    cursor_set(50, 1);
    write(row_62);
    cursor_set(0, 0);
    EXPECT_EQ(cursor(), std::make_pair(62, 50));
    write("z");
    EXPECT_EQ(row(50), lettered(61) + "z");
    EXPECT_EQ(trimmed(row(49)), "");
    EXPECT_EQ(cursor(), std::make_pair(62, 50)); // parked again
}

TEST_F(write_test, hundred_line_feeds_blank_the_view) {
    fill_rows(1, 50, 'X');
    paint_strip(0xFF123456);
    cursor_set(50, 7);
    clear_changed_rows();
    write(repeated('\n', 100));
    EXPECT_EQ(screen_rows(), expected_rows({}));
    EXPECT_EQ(cursor(), std::make_pair(1, 50));
    EXPECT_EQ(changed_range(), std::make_pair(0, 399));
    EXPECT_EQ(picture_mismatch(), "");
    EXPECT_TRUE(strip_is(0xFF123456));
}

struct tab_case {
    const char* name;
    int start_column;
    std::string_view bytes;
    std::string row_1, row_2;
    std::pair<int, int> cursor;
};

class tabs : public text_screen, public ::testing::WithParamInterface<tab_case> {};

TEST_P(tabs, write_blanks_over_the_cells) {
    const tab_case& c = GetParam();
    fill_rows(1, 2, 'X');
    cursor_set(1, c.start_column);
    write(c.bytes);
    EXPECT_EQ(row(1), c.row_1);
    EXPECT_EQ(row(2), c.row_2);
    EXPECT_EQ(cursor(), c.cursor);
    EXPECT_EQ(picture_mismatch(), "");
}

const std::string xs_62 = repeated('X', 62);

INSTANTIATE_TEST_SUITE_P(
    text, tabs,
    ::testing::Values(
        tab_case{"column_1", 1, "\t", repeated(' ', 8) + repeated('X', 54), xs_62, {9, 1}},
        tab_case{"column_57",
                 57,
                 "\t",
                 repeated('X', 56) + repeated(' ', 6),
                 "  " + repeated('X', 60),
                 {3, 2}},
        tab_case{"column_62", 62, "\t", repeated('X', 61) + " ", "  " + repeated('X', 60), {3, 2}},
        tab_case{
            "after_bytes_of_the_run", 1, "ab\tc", "ab      c" + repeated('X', 53), xs_62, {10, 1}},
        tab_case{"after_a_wrap_in_the_run",
                 61,
                 "ab\tc",
                 repeated('X', 60) + "ab",
                 repeated(' ', 8) + "c" + repeated('X', 53),
                 {10, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

struct backspace_case {
    const char* name;
    std::string_view before, bytes;
    std::string row_2;
    int column;
};

class backspace : public text_screen, public ::testing::WithParamInterface<backspace_case> {};

TEST_P(backspace, moves_left_without_erasing) {
    const backspace_case& c = GetParam();
    write("prev");
    cursor_set(2, 1);
    write(c.before);
    write(c.bytes);
    EXPECT_EQ(trimmed(row(1)), "prev");
    EXPECT_EQ(trimmed(row(2)), c.row_2);
    EXPECT_EQ(cursor(), std::make_pair(c.column, 2));
}

INSTANTIATE_TEST_SUITE_P(text, backspace,
                         ::testing::Values(backspace_case{"in_column_1", "", "\b", "", 1},
                                           backspace_case{"after_text", "abcd", "\b", "abcd", 4},
                                           backspace_case{"then_a_byte", "abcd", "\b\bX", "abXd",
                                                          4},
                                           backspace_case{"inside_a_run", "ab", "c\bd", "abd", 4}),
                         [](const auto& info) { return std::string(info.param.name); });

struct shown {
    int column, row;
    bool mark; // the cursor mark over 'A', else the glyph of byte
    std::uint8_t byte;
};

struct mark_case {
    const char* name;
    int start_column;
    std::string_view bytes;
    std::vector<shown> cells;
};

class cursor_mark : public text_screen, public ::testing::WithParamInterface<mark_case> {};

TEST_P(cursor_mark, only_for_a_run_of_the_single_byte_255) {
    const mark_case& c = GetParam();
    fill_rows(1, 2, 'A');
    cursor_set(1, c.start_column);
    write(c.bytes);
    for (const shown& s : c.cells) {
        SCOPED_TRACE(testing::Message() << "cell " << s.column << "," << s.row);
        EXPECT_EQ(cell(s.column, s.row).character, s.mark ? 255 : s.byte);
        bool shows =
            s.mark ? cell_shows_mark(s.column, s.row, 'A') : cell_shows(s.column, s.row, s.byte);
        EXPECT_TRUE(shows);
    }
}

INSTANTIATE_TEST_SUITE_P(
    text, cursor_mark,
    ::testing::Values(
        mark_case{"alone", 1, "\xff", {{1, 1, true, 255}, {2, 1, false, 'A'}}},
        mark_case{"between_control_bytes", 3, "\r\xff\r", {{1, 1, true, 255}, {3, 1, false, 'A'}}},
        mark_case{"inside_a_run",
                  1,
                  "a\xff\0b"sv,
                  {{1, 1, false, 'a'}, {2, 1, false, 255}, {3, 1, false, 0}, {4, 1, false, 'b'}}},
        mark_case{"zero_alone", 1, "\0"sv, {{1, 1, false, 0}}},
        mark_case{"wrapping_alone_into_a_new_row",
                  61,
                  "ab\xff",
                  {{61, 1, false, 'a'}, {62, 1, false, 'b'}, {1, 2, true, 255}}},
        mark_case{"starting_a_run_in_the_last_column",
                  62,
                  "\xff"
                  "ab",
                  {{62, 1, true, 255}, {1, 2, false, 'a'}, {2, 2, false, 'b'}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(write_test, bell_sounds_and_draws_nothing) {
    write("ab\acd");
    EXPECT_EQ(tones_played, (std::vector<std::pair<std::int32_t, std::int32_t>>{{1000, 250}}));
    EXPECT_EQ(trimmed(row(1)), "abcd");
    EXPECT_EQ(cursor(), std::make_pair(5, 1));

    auto before = picture();
    auto cells_before = cells();
    clear_changed_rows();
    write("\a");
    EXPECT_EQ(tones_played.size(), 2u);
    EXPECT_EQ(picture(), before);
    EXPECT_TRUE(same_cells(cells(), cells_before));
    EXPECT_EQ(cursor(), std::make_pair(5, 1));
    EXPECT_EQ(changed_range(), std::make_pair(-1, -1));
}

std::int32_t lock_count_at_tone = -1;
std::string row_1_at_tone;

TEST_F(write_test, bell_sounds_under_the_lock_before_the_run_is_drawn) {
    set_tone_hook([](std::int32_t, std::int32_t) {
        lock_count_at_tone = current_screen()->lock_count;
        row_1_at_tone = trimmed(row(1));
    });
    write("ab\acd");
    EXPECT_GT(lock_count_at_tone, 0);
    EXPECT_EQ(row_1_at_tone, "");
    EXPECT_EQ(trimmed(row(1)), "abcd");
    EXPECT_EQ(current_screen()->lock_count, 0);
}

struct changed_case {
    const char* name;
    int row, column;
    std::string_view bytes;
    std::pair<int, int> range;
};

class changed_rows : public text_screen, public ::testing::WithParamInterface<changed_case> {};

TEST_P(changed_rows, are_one_range_per_write) {
    const changed_case& c = GetParam();
    cursor_set(c.row, c.column);
    clear_changed_rows();
    write(c.bytes);
    EXPECT_EQ(changed_range(), c.range);
    EXPECT_EQ(current_screen()->lock_count, 0);
}

INSTANTIATE_TEST_SUITE_P(
    text, changed_rows,
    ::testing::Values(changed_case{"glyphs_in_row_3", 3, 1, "ab", {16, 23}},
                      changed_case{"a_run_over_rows_3_and_4", 3, 61, "abcd", {16, 31}},
                      changed_case{"rows_3_and_5", 3, 1, "a\n\nb", {16, 39}},
                      changed_case{"a_tab", 10, 1, "\t", {72, 79}},
                      changed_case{"control_bytes_only", 3, 5, "\r\b\n", {-1, -1}},
                      changed_case{"a_line_feed_in_row_50", 50, 1, "\n", {0, 399}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(write_test, scrolling_keeps_the_strip_and_the_picture_in_step) {
    paint_strip(0xFF123456);
    for (int line = 0; line < 120; ++line) print_text(lettered(line % 70), print_line_break);
    cursor_set(50, 62);
    write("\t\t");
    write(repeated('\n', 10));
    EXPECT_TRUE(strip_is(0xFF123456));
    EXPECT_EQ(picture_mismatch(), "");
}

TEST_F(write_test, colours_come_from_the_drawing_context) {
    drawing_context& colours = current_drawing_context();
    colours.foreground = 0xFF00FF00;
    colours.background = 0xFF0000FF;
    cursor_set(50, 1);
    write("A\n");
    EXPECT_EQ(cell(1, 49).foreground, 0xFF00FF00);
    EXPECT_EQ(cell(1, 49).background, 0xFF0000FF);
    EXPECT_TRUE(cell_shows(1, 49, 'A'));
    EXPECT_EQ(cell(1, 50).background, 0xFF0000FF);
    EXPECT_EQ(pixel(0, 399), 0xFF0000FF);
    EXPECT_EQ(pixel(8, 390), black); // row 49, column 2: scrolled up from before
}

TEST_F(write_test, a_narrower_view_scrolls_only_its_rows) {
    for (int r = 1; r <= 50; ++r) {
        cursor_set(r, 1);
        write(std::string(1, static_cast<char>('A' + r % 26)));
    }
    current_text_view() = {.top = 9, .bottom = 19};
    cursor_set(20, 1);
    write("\n");
    std::vector<std::string> rows = screen_rows();
    for (int r = 1; r <= 50; ++r) {
        std::string want(1, static_cast<char>('A' + r % 26));
        if (r >= 10 && r <= 19) want = std::string(1, static_cast<char>('A' + (r + 1) % 26));
        if (r == 20) want = "";
        EXPECT_EQ(rows[static_cast<std::size_t>(r - 1)], want) << "row " << r;
    }
    EXPECT_EQ(cursor(), std::make_pair(1, 20));
    EXPECT_EQ(picture_mismatch(), "");
}

TEST_F(write_test, text_goes_to_page_0_of_several) {
    ASSERT_EQ(screen_open(500, 400, 32, 2, 0, 0), 0);
    write("hi\n");
    const screen_state* s = current_screen();
    ASSERT_EQ(s->text_grids.size(), 2u);
    EXPECT_EQ(trimmed(row(1)), "hi");
    EXPECT_EQ(s->text_grids[1][0].character, 32);
    EXPECT_EQ(s->page_table[1][2], black);
}

TEST_F(write_test, screens_too_small_for_a_row_take_text_safely) {
    for (int size : {4, 8, 12}) {
        ASSERT_EQ(screen_open(size, size, 32, 0, 0, 0), 0);
        print_text("abc", print_line_break | print_zone);
        print_unsigned(12345, print_zone);
        write("\t\b\n\xff");
        screen_clear();
        cursor_set(1, 1);
        EXPECT_EQ(picture_mismatch(), "") << size;
    }
}

} // namespace

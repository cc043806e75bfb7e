// The line on the screen while it is edited: where the cursor stands, how
// the line wraps and scrolls, and the cursor mark.
#include "console/input/input.hpp"
#include "console/text/text.hpp"
#include "line_keys.hpp"

#include <string>
#include <vector>

namespace {

using cell_pos = std::pair<std::int32_t, std::int32_t>; // column, row

// Rows as the screen shows them while the editor waits: the cursor cell
// holds the mark, which the cell grid records as byte 255.
std::vector<std::string> with_mark(std::vector<std::string> rows, cell_pos cursor) {
    std::string& r = rows[static_cast<std::size_t>(cursor.second - 1)];
    const auto at = static_cast<std::size_t>(cursor.first - 1);
    if (r.size() <= at) r.resize(at + 1, ' ');
    r[at] = '\xff';
    return rows;
}

std::vector<std::string> first_rows(const std::vector<std::string>& rows, std::size_t n) {
    return {rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(n)};
}

struct move_case {
    const char* name;
    key_codes keys; // after 63 typed bytes: a..a (60) in row 1, then b c d in row 2
    cell_pos cursor;
    std::vector<std::string> rows; // rows 1 and 2 without the mark
};

void PrintTo(const move_case& c, std::ostream* os) {
    *os << c.name;
}

const std::string row1 = " >" + std::string(60, 'a');

const move_case move_cases[] = {
    {"after_typing", {}, {4, 2}, {row1, "bcd"}},
    {"left_to_column_1", repeated(k_left, 3), {1, 2}, {row1, "bcd"}},
    {"left_over_the_row_start", repeated(k_left, 4), {62, 1}, {row1, "bcd"}},
    {"right_over_the_row_end", repeated(k_left, 4) + key_codes{k_right}, {1, 2}, {row1, "bcd"}},
    {"up_one_row", {k_up}, {4, 1}, {row1, "bcd"}},
    {"up_and_down", {k_up, k_down}, {4, 2}, {row1, "bcd"}},
    {"home", {k_home}, {3, 1}, {row1, "bcd"}},
    {"home_and_down", {k_home, k_down}, {3, 2}, {row1, "bcd"}},
    {"home_and_end", {k_home, k_end}, {4, 2}, {row1, "bcd"}},
    {"escape_blanks_all", {k_escape}, {3, 1}, {" >", ""}},
    {"delete_pulls_the_rest_left",
     {k_home, k_delete},
     {3, 1},
     {" >" + std::string(59, 'a') + "b", "cd"}},
    {"backspace_over_the_row_start",
     repeated(k_left, 3) + key_codes{k_backspace},
     {62, 1},
     {" >" + std::string(59, 'a') + "b", "cd"}},
    {"insert_pushes_over_the_row_end",
     repeated(k_left, 4) + typed("X"),
     {1, 2},
     {" >" + std::string(59, 'a') + "X", "abcd"}},
};

class cursor_moves : public line_editor, public ::testing::WithParamInterface<move_case> {};

TEST_P(cursor_moves, put_the_cursor_on_the_cell_of_the_index) {
    const move_case& c = GetParam();
    snapshot seen;
    press_later(typed(std::string(60, 'a') + "bcd") + c.keys);
    look_later([&] { seen = take_snapshot(); });
    press_later({k_enter});
    riddle_input();
    EXPECT_EQ(seen.cursor, c.cursor);
    EXPECT_EQ(first_rows(seen.rows, 3), with_mark({c.rows[0], c.rows[1], ""}, c.cursor));
}

INSTANTIATE_TEST_SUITE_P(keys, cursor_moves, ::testing::ValuesIn(move_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(line_editor, the_61st_byte_goes_to_the_next_row) {
    snapshot after_60, after_61;
    press_later(repeated('a', 60));
    look_later([&] { after_60 = take_snapshot(); });
    press_later(typed("b"));
    look_later([&] { after_61 = take_snapshot(); });
    press_later({k_enter});
    riddle_input();

    EXPECT_EQ(after_60.cursor, cell_pos(1, 2));
    EXPECT_EQ(after_60.rows[0], row1);
    EXPECT_EQ(after_61.cursor, cell_pos(2, 2));
    EXPECT_EQ(after_61.rows[1], "b\xff");
}

// "top" stands in row 2 and the prompt in the bottom row: a scroll by one
// row brings "top" to row 1.
class bottom_row : public line_editor {
  protected:
    void SetUp() override {
        line_editor::SetUp();
        cursor_set(2, 1);
        print_text("top", 0);
        cursor_set(50, 1);
    }
};

TEST_F(bottom_row, typing_past_the_last_cell_scrolls_at_once) {
    snapshot after_59, after_60;
    press_later(repeated('a', 59));
    look_later([&] { after_59 = take_snapshot(); });
    press_later(typed("b"));
    look_later([&] { after_60 = take_snapshot(); });
    press_later({k_enter});
    riddle_input();

    EXPECT_EQ(after_59.cursor, cell_pos(62, 50));
    EXPECT_EQ(after_59.rows[1], "top");
    EXPECT_EQ(after_60.cursor, cell_pos(1, 50));
    EXPECT_EQ(after_60.rows[0], "top");
    EXPECT_EQ(after_60.rows[48], " >" + std::string(59, 'a') + "b");
    EXPECT_EQ(after_60.rows[49], "\xff");
}

TEST_F(bottom_row, inserting_in_a_full_row_scrolls_while_rewriting) {
    snapshot full, grown;
    const std::string a59(59, 'a');
    press_later(typed(a59) + key_codes{k_home} + typed("X"));
    look_later([&] { full = take_snapshot(); });
    press_later(typed("Y"));
    look_later([&] { grown = take_snapshot(); });
    press_later({k_enter});
    riddle_input();

    // X filled the last cell of the bottom row: no scroll yet.
    EXPECT_EQ(full.cursor, cell_pos(4, 50));
    EXPECT_EQ(full.rows[1], "top");
    EXPECT_EQ(full.rows[49], " >X\xff" + std::string(58, 'a'));
    // Y pushed the last byte into a new row; the cursor is on the byte after Y.
    EXPECT_EQ(grown.cursor, cell_pos(5, 49));
    EXPECT_EQ(grown.rows[0], "top");
    EXPECT_EQ(grown.rows[48], " >XY\xff" + std::string(57, 'a'));
    EXPECT_EQ(grown.rows[49], "a");
    EXPECT_EQ(current_input_state().line, "XY" + a59);
}

struct full_row_case {
    const char* name;
    std::int32_t start_row;
    key_codes keys;
    std::int32_t line_row; // where the 62 cells of prompt and text end up
};

void PrintTo(const full_row_case& c, std::ostream* os) {
    *os << c.name;
}

const full_row_case full_row_cases[] = {
    {"typed_to_the_end_of_row_1", 1, repeated('a', 60), 1},
    {"typed_to_the_end_of_row_50", 50, repeated('a', 60), 48},
    {"enter_inside_a_text_that_fills_row_50", 50,
     repeated('a', 59) + key_codes{k_home} + typed("a"), 48},
};

class text_ending_in_column_62 : public line_editor,
                                 public ::testing::WithParamInterface<full_row_case> {};

TEST_P(text_ending_in_column_62, leaves_one_empty_row_before_the_next_output) {
    const full_row_case& c = GetParam();
    cursor_set(c.start_row, 1);
    press_later(c.keys + key_codes{k_enter});
    riddle_input();
    print_text("next", 0);
    EXPECT_EQ(row(c.line_row), " >" + std::string(60, 'a'));
    EXPECT_EQ(trimmed(row(c.line_row + 1)), "");
    EXPECT_EQ(trimmed(row(c.line_row + 2)), "next");
}

INSTANTIATE_TEST_SUITE_P(ways, text_ending_in_column_62, ::testing::ValuesIn(full_row_cases),
                         [](const auto& info) { return std::string(info.param.name); });

struct mark_case {
    const char* name;
    key_codes keys;
    std::uint8_t byte_in_column_3; // what the cell shows above its bottom row
    bool mark_in_column_3;
    bool mark_in_column_4;
};

void PrintTo(const mark_case& c, std::ostream* os) {
    *os << c.name;
}

const mark_case mark_cases[] = {
    {"after_the_text", typed("A"), 'A', false, true},
    {"under_a_byte_readable_above", typed("A") + key_codes{k_left}, 'A', true, false},
    {"erased_by_the_next_key", typed("A") + key_codes{k_left, k_right}, 'A', false, true},
    {"echo_of_255", typed("\xff"), 0, true, true},
    {"255_inside_a_rewrite_is_blank", typed("b") + key_codes{k_home} + typed("\xff"), 0, false,
     true},
    {"255_rewritten_under_the_cursor",
     typed("b") + key_codes{k_home} + typed("\xff") + key_codes{k_left, k_right}, 0, true, true},
    {"255_rewritten_alone_after_a_deletion", typed("x\xff") + key_codes{k_home, k_delete, k_right},
     0, true, true},
    {"255_pulled_left_by_backspace", typed("x\xff") + key_codes{k_left, k_backspace}, 0, true,
     false},
};

class cursor_mark : public line_editor, public ::testing::WithParamInterface<mark_case> {};

TEST_P(cursor_mark, is_the_bottom_pixel_row_of_the_cell) {
    const mark_case& c = GetParam();
    bool mark_3 = false, mark_4 = false, glyph_3 = false;
    press_later(c.keys);
    look_later([&] {
        mark_3 = shows_mark(3, 1);
        mark_4 = shows_mark(4, 1);
        glyph_3 = shows_glyph_above(3, 1, c.byte_in_column_3);
    });
    press_later({k_enter});
    riddle_input();
    EXPECT_EQ(mark_3, c.mark_in_column_3);
    EXPECT_EQ(mark_4, c.mark_in_column_4);
    EXPECT_TRUE(glyph_3);
    EXPECT_FALSE(shows_mark(3, 1) && c.byte_in_column_3 != 0) << "the mark is gone after Enter";
    EXPECT_FALSE(shows_mark(4, 1));
}

INSTANTIATE_TEST_SUITE_P(cells, cursor_mark, ::testing::ValuesIn(mark_cases),
                         [](const auto& info) { return std::string(info.param.name); });

// A line longer than the screen: its start scrolls off the top, and the
// cursor cannot go there, so the index stops where the cursor does.
struct long_line_case {
    const char* name;
    key_codes keys; // after 3100 typed bytes, which scroll the screen by one row
    byte_string line;
    std::string row_1; // with the mark
    std::string row_50;
};

void PrintTo(const long_line_case& c, std::ostream* os) {
    *os << c.name;
}

const byte_string a3100(3100, 'a');
const byte_string x_on_top = byte_string(60, 'a') + "X" + byte_string(3040, 'a');

const long_line_case long_line_cases[] = {
    {"home_stops_on_the_top_left_cell",
     {k_home, 'X'},
     x_on_top,
     "X\xff" + std::string(60, 'a'),
     "aaa"},
    {"up_stops_there_too", repeated(k_up, 50) + typed("X"), x_on_top,
     "X\xff" + std::string(60, 'a'), "aaa"},
    {"backspace_there_deletes_nothing",
     {k_home, k_backspace},
     a3100,
     "\xff" + std::string(61, 'a'),
     "aa"},
    {"escape_empties_all", {k_escape, 'Z'}, "Z", "Z\xff", ""},
};

class long_line : public line_editor, public ::testing::WithParamInterface<long_line_case> {};

TEST_P(long_line, keeps_the_cursor_on_the_cell_of_the_index) {
    const long_line_case& c = GetParam();
    std::vector<std::string> rows;
    press_later(typed(a3100) + c.keys);
    look_later([&] { rows = screen_rows(); });
    press_later({k_enter});
    riddle_input();
    EXPECT_EQ(current_input_state().line, c.line);
    EXPECT_EQ(rows[0], c.row_1);
    EXPECT_EQ(rows[49], c.row_50);
    EXPECT_TRUE(tones_played.empty());
}

INSTANTIATE_TEST_SUITE_P(keys, long_line, ::testing::ValuesIn(long_line_cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// The key table: what each key does to the typed line, checked through the
// line kept, the first item, the screen and the beep.
#include "console/input/input.hpp"
#include "console/text/text.hpp"
#include "line_keys.hpp"

#include <string>
#include <vector>

namespace {

struct key_case {
    const char* name;
    key_codes keys; // Enter is added
    byte_string line;
    byte_string item;
    int beeps = 0;
};

void PrintTo(const key_case& c, std::ostream* os) {
    *os << c.name;
}

byte_string bytes_from(int first, int last) {
    byte_string s;
    for (int b = first; b <= last; ++b) s += static_cast<char>(b);
    return s;
}

key_codes ignored_controls() {
    key_codes codes;
    for (int c = 1; c <= 31; ++c)
        if (c != 8 && c != 9 && c != 10 && c != 13 && c != 27) codes.push_back(c);
    return codes;
}

const byte_string a61(61, 'a');
const byte_string a62(62, 'a');

const key_case key_cases[] = {
    {"enter_at_once", {}, "", ""},
    {"blanks_around_word", typed("  ab  "), "  ab  ", "ab  "},
    {"comma_ends_item", typed("a,b"), "a,b", "a"},
    {"quoted_item_with_comma", typed("\"a, b\""), "\"a, b\"", "a, b"},
    {"quote_inside_unquoted", typed("ab\"c"), "ab\"c", "ab\"c"},
    {"leading_comma", typed(",ab"), ",ab", ""},
    {"blanks_only", typed("   "), "   ", ""},
    {"tab_at_index_5", typed("abcde\tx"), "abcde   x", "abcde   x"},
    {"tab_at_index_8", typed("abcdefgh\tx"), "abcdefgh        x", "abcdefgh        x"},
    {"tab_at_index_0", typed("\tx"), "        x", "x"},
    {"tab_inside_text", typed("abx") + key_codes{k_left, k_tab}, "ab      x", "ab      x"},
    {"backspace_at_0_is_silent", key_codes{k_backspace} + typed("a"), "a", "a"},
    {"backspace_at_end", typed("abc") + key_codes{k_backspace, k_backspace} + typed("x"), "ax",
     "ax"},
    {"backspace_inside", typed("abc") + key_codes{k_left, k_backspace}, "ac", "ac"},
    {"delete_at_end_beeps", typed("ab") + key_codes{k_delete}, "ab", "ab", 1},
    {"delete_on_empty_beeps", key_codes{k_delete, k_delete}, "", "", 2},
    {"delete_inside", typed("abc") + key_codes{k_home, k_right, k_delete}, "ac", "ac"},
    {"escape_empties", typed("abc") + key_codes{k_escape} + typed("x"), "x", "x"},
    {"escape_inside", typed("abc") + key_codes{k_left, k_escape} + typed("y"), "y", "y"},
    {"escape_on_empty", key_codes{k_escape} + typed("z"), "z", "z"},
    {"home_and_end", typed("bc") + key_codes{k_home} + typed("a") + key_codes{k_end} + typed("d"),
     "abcd", "abcd"},
    {"left_and_right",
     typed("ac") + key_codes{k_left} + typed("b") + key_codes{k_right} + typed("d"), "abcd",
     "abcd"},
    {"left_at_start_right_at_end",
     typed("b") + key_codes{k_home, k_left} + typed("a") + key_codes{k_end, k_right} + typed("c"),
     "abc", "abc"},
    {"up_needs_w_bytes_before", typed(a61) + key_codes{k_up} + typed("X"), a61 + "X", a61 + "X"},
    {"up_with_w_bytes_before", typed(a62) + key_codes{k_up} + typed("X"), "X" + a62, "X" + a62},
    {"up_one_row_back", typed(a62 + "b") + key_codes{k_up} + typed("X"), "aX" + a61 + "b",
     "aX" + a61 + "b"},
    {"down_needs_w_bytes_after", typed(a61) + key_codes{k_home, k_down} + typed("Y"), "Y" + a61,
     "Y" + a61},
    {"down_with_w_bytes_after", typed(a62) + key_codes{k_home, k_down} + typed("Y"), a62 + "Y",
     a62 + "Y"},
    {"bytes_128_to_255_unchanged", typed(bytes_from(128, 255)), bytes_from(128, 255),
     bytes_from(128, 255)},
    {"ctrl_h_is_backspace", typed("ab") + key_codes{ctrl('H')} + typed("c"), "ac", "ac"},
    {"ctrl_i_is_tab", typed("a") + key_codes{ctrl('I')} + typed("b"), "a       b", "a       b"},
    {"other_ctrl_letters_ignored", typed("a") + key_codes{ctrl('A'), ctrl('Z')} + typed("b"), "ab",
     "ab"},
    {"other_controls_ignored", typed("a") + ignored_controls() + typed("b"), "ab", "ab"},
    {"extended_keys_ignored",
     typed("a") + key_codes{key_window_close} + typed("b") +
         key_codes{k_insert, k_page_up, k_page_down, k_f1} + typed("c"),
     "abc", "abc"},
};

// The line as it stands on the screen after the prompt, row by row.
std::vector<std::string> shown_rows(const byte_string& line) {
    std::vector<std::string> rows;
    const std::string cells = " >" + line;
    for (std::size_t at = 0; at < cells.size(); at += 62)
        rows.push_back(trimmed(cells.substr(at, 62)));
    return rows;
}

class key_table : public line_editor, public ::testing::WithParamInterface<key_case> {};

TEST_P(key_table, edits_the_line) {
    const key_case& c = GetParam();
    press_later(c.keys + key_codes{k_enter});
    EXPECT_EQ(riddle_input(), 0);
    EXPECT_EQ(current_input_state().line, c.line);
    EXPECT_EQ(next_item(), c.item);
    const std::pair<std::int32_t, std::int32_t> beep{1000, 250};
    EXPECT_EQ(tones_played, decltype(tones_played)(static_cast<std::size_t>(c.beeps), beep));

    const std::vector<std::string> shown = shown_rows(c.line);
    const std::vector<std::string> rows = screen_rows();
    for (std::size_t r = 0; r < shown.size(); ++r) EXPECT_EQ(rows[r], shown[r]) << "row " << r + 1;
    // Enter goes past the text, and the line break one row down.
    const auto cells = static_cast<std::int32_t>(c.line.size() + 2);
    EXPECT_EQ(cursor_get(), std::make_pair(1, cells / 62 + 2));
    EXPECT_EQ(rows[static_cast<std::size_t>(cells / 62 + 1)], "") << "nothing below the line";
}

INSTANTIATE_TEST_SUITE_P(keys, key_table, ::testing::ValuesIn(key_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(line_editor, enter_line_feed_and_their_ctrl_keys_end_the_line) {
    for (std::int32_t end_key : {k_enter, k_line_feed, ctrl('M'), ctrl('J'), k_ctrl_enter}) {
        press_later(typed("ab") + key_codes{end_key});
        EXPECT_EQ(riddle_input(), 0);
        EXPECT_EQ(next_item(), "ab");
        EXPECT_TRUE(key_script.empty());
    }
}

TEST_F(line_editor, ignored_keys_do_not_reach_a_later_wait) {
    press_later(typed("a") + key_codes{key_window_close, k_insert, k_page_up, k_f1, k_enter});
    riddle_input();
    EXPECT_EQ(key_available(), 0);
    type_ahead(typed("z"));
    EXPECT_EQ(wait_key(), 'z');
}

TEST_F(line_editor, keys_typed_ahead_are_edited_into_the_line) {
    type_ahead(typed("ab") + key_codes{k_backspace} + typed("c") + key_codes{k_left} + typed("x"));
    press_later(key_codes{k_enter});
    riddle_input();
    EXPECT_EQ(current_input_state().line, "axc");
    EXPECT_EQ(row(1).substr(0, 5), " >axc");
}

TEST_F(line_editor, a_whole_line_typed_ahead_needs_no_wait) {
    type_ahead(typed("fourteen bytes\r")); // 15 keys, as many as the ring holds
    EXPECT_EQ(riddle_input(), 0);
    EXPECT_EQ(current_input_state().line, "fourteen bytes");
}

TEST_F(line_editor, a_line_stays_until_the_next_input) {
    press_later(typed("a,b") + key_codes{k_enter});
    riddle_input();
    EXPECT_EQ(next_item(), "a");
    press_later(typed("c") + key_codes{k_enter});
    riddle_input();
    EXPECT_EQ(next_item(), "c");
    EXPECT_EQ(next_item(), "");
}

} // namespace

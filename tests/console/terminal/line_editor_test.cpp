// The terminal's line editor: what keys do to the line, and what of it the
// row shows.
#include "console/terminal/line_editor.hpp"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace {

constexpr std::int32_t left = 0x4BFF, right = 0x4DFF, home = 0x47FF, end = 0x4FFF;
constexpr std::int32_t delete_key = 0x53FF, up = 0x48FF, insert = 0x52FF, f1 = 0x3BFF;
constexpr std::int32_t window_close = 0x6BFF;
constexpr std::int32_t backspace = 8, tab = 9, enter = 13, esc = 27, ctrl_u = 21, ctrl_d = 4;

// Text is typed byte by byte; a number is one key.
using step = std::variant<std::string, std::int32_t>;

line_editor editor_after(const std::vector<step>& steps, std::int32_t width = 80) {
    line_editor e = line_editor_for(" >", 2, width);
    editor_resize(e, width);
    for (const step& s : steps) {
        if (const auto* text = std::get_if<std::string>(&s))
            for (char c : *text) editor_apply_key(e, static_cast<unsigned char>(c));
        else
            editor_apply_key(e, std::get<std::int32_t>(s));
    }
    return e;
}

struct editing_case {
    const char* name;
    std::vector<step> steps;
    std::string text;
    std::size_t index;
};

const std::vector<editing_case> editing_cases = {
    {"typing", {"abc"}, "abc", 3},
    {"Left and Backspace", {"17", left, backspace}, "7", 0},
    {"insert in the middle", {"ab", left, "X"}, "aXb", 2},
    {"Home and Delete", {"abc", home, delete_key}, "bc", 0},
    {"Delete in the middle pulls the rest", {"abcd", left, left, delete_key}, "abd", 2},
    {"End after Home", {"abc", home, end}, "abc", 3},
    {"Right stops at the end", {"ab", right, right}, "ab", 2},
    {"Left stops at the start", {"ab", home, left}, "ab", 0},
    {"Backspace at the start", {"ab", home, backspace}, "ab", 0},
    {"Esc clears", {"abc", left, esc}, "", 0},
    {"Ctrl+U clears", {"abc", ctrl_u, "7"}, "7", 1},
    {"Tab at index 5", {"abcde", tab}, "abcde   ", 8},
    {"Tab at index 8", {"abcdefgh", tab}, "abcdefgh        ", 16},
    {"bytes above 127 as they are", {"#\xFE\xFE"}, "#\xFE\xFE", 3},
    {"byte 255 as it is", {"a\xFF"}, "a\xFF", 2},
    {"keys without a meaning", {"ab", up, insert, f1, window_close, 1, 31}, "ab", 2},
    {"Ctrl+D inside a line", {"ab", ctrl_d}, "ab", 2},
};

TEST(line_editor, keys_edit_the_line) {
    for (const editing_case& c : editing_cases) {
        SCOPED_TRACE(c.name);
        line_editor e = editor_after(c.steps);
        EXPECT_EQ(e.text, c.text);
        EXPECT_EQ(e.index, c.index);
        EXPECT_FALSE(e.finished);
        EXPECT_FALSE(e.bell);
    }
}

TEST(line_editor, enter_and_line_feed_finish_with_the_cursor_at_the_end) {
    for (std::int32_t key : {enter, 10}) {
        line_editor e = editor_after({"abc", home, key});
        EXPECT_TRUE(e.finished);
        EXPECT_EQ(e.text, "abc");
        EXPECT_EQ(e.index, 3u);
    }
}

TEST(line_editor, delete_at_the_end_rings_and_changes_nothing) {
    line_editor e = editor_after({"ab", delete_key});
    EXPECT_TRUE(e.bell);
    EXPECT_EQ(e.text, "ab");
}

TEST(line_editor, ctrl_d_on_an_empty_line_ends_the_input) {
    EXPECT_TRUE(editor_after({ctrl_d}).input_ended);
    EXPECT_TRUE(editor_after({"ab", esc, ctrl_d}).input_ended);
}

// Whatever is typed, the byte at the cursor stays in view, and the room is
// used before the line scrolls.
TEST(line_editor, a_long_line_scrolls_so_the_cursor_stays_in_view) {
    const std::int32_t width = 20; // room for 17 bytes after " >"
    line_editor e = editor_after({}, width);
    ASSERT_EQ(editor_room(e), 17);
    const std::vector<std::int32_t> keys = {'a',   'b',       'c',        left, home, end,
                                            right, backspace, delete_key, 'x',  left, left};
    for (int n = 0; n < 400; ++n) {
        editor_apply_key(e, keys[static_cast<std::size_t>(n * 7 % 11)]);
        if (n % 3 == 0) editor_apply_key(e, 'z');
        SCOPED_TRACE("after key " + std::to_string(n));
        ASSERT_LE(e.offset, e.index);
        ASSERT_LT(e.index - e.offset, 17u);
        std::size_t shown = std::min<std::size_t>(e.text.size() - e.offset, 17);
        ASSERT_TRUE(shown == 17 || e.text.size() + 1 - e.offset <= 17) << "room left unused";
    }
}

TEST(line_editor, the_drawing_redraws_the_row_and_puts_the_cursor_on_the_byte) {
    line_editor e = editor_after({"#\xFE\xFE", left});
    EXPECT_EQ(editor_drawing(e), "\r >#■■\x1b[K\r\x1b[4C");
}

TEST(line_editor, the_drawing_shows_the_part_in_view) {
    line_editor e = editor_after({std::string(30, 'a') + "bcd"}, 20);
    EXPECT_EQ(editor_drawing(e), "\r >" + std::string(13, 'a') + "bcd\x1b[K\r\x1b[18C");
    editor_apply_key(e, home);
    EXPECT_EQ(editor_drawing(e), "\r >" + std::string(17, 'a') + "\x1b[K\r\x1b[2C");
}

TEST(line_editor, a_prompt_after_other_text_keeps_that_text) {
    line_editor e = line_editor_for("? ", 12, 80);
    editor_resize(e, 80);
    editor_apply_key(e, 'a');
    EXPECT_EQ(e.prompt_column, 10);
    EXPECT_EQ(editor_drawing(e), "\r\x1b[10C? a\x1b[K\r\x1b[13C");
}

TEST(line_editor, too_little_room_after_the_prompt_moves_the_line_to_a_row_of_its_own) {
    line_editor e = line_editor_for(" >", 78, 80);
    EXPECT_TRUE(editor_resize(e, 80));
    EXPECT_EQ(e.prompt_column, 0);
    EXPECT_EQ(editor_text_column(e), 2);
    EXPECT_FALSE(editor_resize(e, 80));
}

TEST(line_editor, narrowing_keeps_the_cursor_in_view) {
    line_editor e = editor_after({std::string(70, 'x')}, 80);
    EXPECT_EQ(e.offset, 0u);
    EXPECT_FALSE(editor_resize(e, 40));
    EXPECT_EQ(editor_room(e), 37);
    EXPECT_EQ(e.index - e.offset, 36u);
    editor_resize(e, 80);
    EXPECT_EQ(e.offset, 0u) << "widening shows the whole line again";
}

} // namespace

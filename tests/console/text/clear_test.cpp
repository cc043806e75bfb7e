#include "text_screen.hpp"

#include "console/text/text_view.hpp"
#include "console/window/drawing_context.hpp"

#include <algorithm>

namespace {

using clear_test = text_screen;

constexpr std::uint32_t strip_colour = 0xFF123456;

// Pixels x left..right, y top..bottom; empty when right < left.
struct area {
    int left, top, right, bottom;
    bool holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

constexpr area whole_page{0, 0, 499, 399};
constexpr area view_pixels{0, 72, 499, 159};
constexpr area the_rectangle{10, 5, 19, 9};

struct clear_case {
    const char* name;
    std::uint32_t mode;
    text_view view;
    bool confined;                       // graphics confined to the_rectangle
    int first_blank_row, last_blank_row; // text rows cleared, 0 for none
    area filled;
    std::pair<int, int> cursor;
    bool wrap_kept;
};

class clearing : public text_screen, public ::testing::WithParamInterface<clear_case> {
  protected:
    void SetUp() override {
        text_screen::SetUp();
        fill_rows(1, 50, 'X');
        paint_strip(strip_colour);
        cursor_set(50, 1);
        write(repeated('Y', 62)); // leaves the wrap pending
        clear_changed_rows();
    }
};

TEST_P(clearing, fills_its_area_and_blanks_its_cells) {
    const clear_case& c = GetParam();
    current_text_view() = c.view;
    if (c.confined) {
        drawing_context& d = current_drawing_context();
        d.clip_left = the_rectangle.left, d.clip_top = the_rectangle.top;
        d.clip_right = the_rectangle.right, d.clip_bottom = the_rectangle.bottom;
    }
    std::vector<std::uint32_t> before = picture();
    screen_clear(c.mode);

    for (int r = 1; r <= 50; ++r) {
        bool blank = r >= c.first_blank_row && r <= c.last_blank_row;
        std::string want = blank ? "" : r == 50 ? repeated('Y', 62) : repeated('X', 62);
        EXPECT_EQ(trimmed(row(r)), want) << "row " << r;
    }
    int wrong_pixels = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 500; ++x)
            if (pixel(x, y) != (c.filled.holds(x, y) ? black : before[y * 500 + x])) ++wrong_pixels;
    EXPECT_EQ(wrong_pixels, 0);
    std::pair<int, int> flagged =
        c.filled.right < 0 ? std::make_pair(-1, -1) : std::make_pair(c.filled.top, c.filled.bottom);
    EXPECT_EQ(changed_range(), flagged);
    if (!c.wrap_kept) {
        EXPECT_EQ(picture_mismatch(), "");
    }
    EXPECT_EQ(cursor(), c.cursor);

    // A kept wrap is carried out by the next byte; a dropped one is not.
    std::pair<int, int> home = cursor();
    write("z");
    EXPECT_EQ(cursor(),
              c.wrap_kept ? std::make_pair(2, 50) : std::make_pair(home.first + 1, home.second));
}

constexpr text_view all_rows{0, 49};
constexpr text_view rows_10_to_20{9, 19};
constexpr std::uint32_t fallback = screen_clear_default;

INSTANTIATE_TEST_SUITE_P(
    text, clearing,
    ::testing::Values(
        clear_case{"mode_0", 0, all_rows, false, 1, 50, whole_page, {1, 1}, false},
        clear_case{
            "mode_0_narrow_view", 0, rows_10_to_20, false, 1, 50, whole_page, {1, 10}, false},
        clear_case{"mode_0_confined", 0, all_rows, true, 1, 50, whole_page, {1, 1}, false},
        clear_case{"mode_2", 2, all_rows, false, 1, 50, whole_page, {1, 1}, false},
        clear_case{
            "mode_2_narrow_view", 2, rows_10_to_20, false, 10, 20, view_pixels, {1, 10}, false},
        clear_case{"default", fallback, all_rows, false, 1, 50, whole_page, {1, 1}, false},
        clear_case{"default_narrow_view",
                   fallback,
                   rows_10_to_20,
                   false,
                   10,
                   20,
                   view_pixels,
                   {1, 10},
                   false},
        clear_case{
            "default_confined", fallback, all_rows, true, 0, 0, the_rectangle, {62, 50}, true},
        clear_case{"mode_1", 1, all_rows, false, 0, 0, whole_page, {62, 50}, true},
        clear_case{"mode_1_confined", 1, all_rows, true, 0, 0, the_rectangle, {62, 50}, true},
        clear_case{"mode_12345", 12345, all_rows, false, 0, 0, whole_page, {62, 50}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(clear_test, default_after_a_pending_wrap_starts_over_at_the_top) {
    fill_rows(1, 50, 'X');
    paint_strip(strip_colour);
    cursor_set(50, 1);
    print_text(repeated('Y', 62), 0);
    screen_clear();
    auto all = picture();
    EXPECT_TRUE(std::all_of(all.begin(), all.end(), [](std::uint32_t p) { return p == black; }));
    EXPECT_EQ(screen_rows(), std::vector<std::string>(50));
    EXPECT_EQ(cursor(), std::make_pair(1, 1));
    print_text("ab", print_zone);
    EXPECT_EQ(trimmed(row(1)), "ab");
    EXPECT_EQ(cursor(), std::make_pair(15, 1));
}

struct cursor_case {
    const char* name;
    int row, column;
    std::pair<int, int> cursor;
};

class setting_the_cursor : public text_screen, public ::testing::WithParamInterface<cursor_case> {};

TEST_P(setting_the_cursor, moves_it_within_the_grid_only) {
    const cursor_case& c = GetParam();
    cursor_set(7, 5);
    cursor_set(c.row, c.column);
    EXPECT_EQ(cursor(), c.cursor);
    // The column counter follows the cursor, moved or not.
    print_text("", print_zone);
    int zone = 14 * ((c.cursor.first - 1 + 14) / 14) + 1;
    std::pair<int, int> next = zone > 48 ? std::make_pair(1, std::min(c.cursor.second + 1, 50))
                                         : std::make_pair(zone, c.cursor.second);
    EXPECT_EQ(cursor(), next);
}

INSTANTIATE_TEST_SUITE_P(text, setting_the_cursor,
                         ::testing::Values(cursor_case{"row_51", 51, 1, {5, 7}},
                                           cursor_case{"column_63", 1, 63, {5, 7}},
                                           cursor_case{"negative_row", -1, 3, {5, 7}},
                                           cursor_case{"both_kept", 0, 0, {5, 7}},
                                           cursor_case{"column_only", 0, 10, {10, 7}},
                                           cursor_case{"row_only", 3, 0, {5, 3}},
                                           cursor_case{"last_cell", 50, 62, {62, 50}},
                                           cursor_case{"first_cell", 1, 1, {1, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(clear_test, cursor_outside_a_narrow_view_is_refused) {
    current_text_view() = {.top = 9, .bottom = 19};
    cursor_set(15, 3);
    cursor_set(21, 1);
    cursor_set(9, 1);
    EXPECT_EQ(cursor(), std::make_pair(3, 15));
}

TEST_F(clear_test, grid_size_and_opening_state) {
    EXPECT_EQ(text_grid_size(), std::make_pair(62, 50));
    EXPECT_EQ(cursor(), std::make_pair(1, 1));
    EXPECT_EQ(current_screen()->font, font_8x8());
    for (const text_cell& c : cells()) {
        EXPECT_EQ(c.character, 32);
        EXPECT_EQ(c.foreground, white);
        EXPECT_EQ(c.background, black);
    }
}

} // namespace

// The harness's own parts: its X servers, finding windows, and reading a
// picture back into cells.
#include "e2e/harness.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

namespace {

picture drawn(const expected_screen& screen) {
    picture image = blank_picture(screen_width, screen_height);
    for (int r = 0; r < text_rows; ++r)
        draw_cells(image, {1, r + 1}, screen.rows[static_cast<std::size_t>(r)]);
    if (screen.cursor) draw_cursor_mark(image, *screen.cursor);
    return image;
}

TEST(x_server, two_servers_get_their_own_displays_and_go_away_with_their_objects) {
    std::string first_name;
    {
        x_display first;
        x_display second;
        ASSERT_TRUE(first.ready()) << first.error();
        ASSERT_TRUE(second.ready()) << second.error();
        EXPECT_NE(first.name(), second.name());
        EXPECT_EQ(first.run({"xdpyinfo"}), 0);
        first_name = first.name();
    }
    EXPECT_EQ(connect_display(first_name), nullptr);
}

TEST(x_server, sets_the_keyboard_layout_it_is_asked_for) {
    display_options german;
    german.keyboard_layout = "de";
    x_display display(german);
    ASSERT_TRUE(display.ready()) << display.error();
    // The German layout swaps y and z: z sits right of T.
    EXPECT_EQ(display.keycode_of("z"), 29);
    EXPECT_EQ(display.keycode_of("y"), 52);
    EXPECT_NE(display.keycode_of("adiaeresis"), 0);
}

class window_finding : public ::testing::TestWithParam<bool> {};

TEST_P(window_finding, finds_a_viewable_window_by_title_and_sees_it_go) {
    display_options options;
    options.window_manager = GetParam();
    x_display display(options);
    ASSERT_TRUE(display.ready()) << display.error();
    spawn_options on_display;
    on_display.environment = display.environment();
    child_process message({"xmessage", "-title", "probe", "-geometry", "200x100", "hello"},
                          on_display);
    std::optional<x_window> window =
        wait_for_window(display.connection(), "probe", std::chrono::seconds(20));
    ASSERT_TRUE(window);
    EXPECT_EQ(window_title(display.connection(), *window), "probe");
    EXPECT_EQ(window_size(display.connection(), *window), std::make_pair(200, 100));
    EXPECT_TRUE(grab_window(display.connection(), *window, 200, 100));
    EXPECT_FALSE(grab_window(display.connection(), *window, 500, 400));
    EXPECT_EQ(find_window(display.connection(), "no such window"), no_window);
    message.stop();
    EXPECT_TRUE(wait_for_window_gone(display.connection(), "probe", std::chrono::seconds(10)));
}

INSTANTIATE_TEST_SUITE_P(with_and_without_window_manager, window_finding, ::testing::Bool());

TEST(process, reports_exit_status_and_signals) {
    EXPECT_EQ(run_command({"sh", "-c", "exit 3"}, {}), 3);
    EXPECT_EQ(run_command({"no-such-program-here"}, {}), 127);
    child_process sleeper({"sleep", "60"}, {});
    EXPECT_FALSE(sleeper.wait_exit(std::chrono::milliseconds(50)));
    sleeper.stop();
    EXPECT_EQ(sleeper.wait_exit(std::chrono::milliseconds(0)), 128 + SIGTERM);
}

TEST(process, changes_and_removes_environment_variables) {
    setenv("E2E_PROBE_REMOVED", "still here", 1);
    spawn_options options;
    options.environment = {{"E2E_PROBE_SET", "x y"}, {"E2E_PROBE_REMOVED", std::nullopt}};
    EXPECT_EQ(
        run_command(
            {"sh", "-c", R"(test "$E2E_PROBE_SET" = "x y" && test -z "${E2E_PROBE_REMOVED+set}")"},
            options),
        0);
    unsetenv("E2E_PROBE_REMOVED");
}

TEST(cell_decoding, the_font_draws_distinct_glyphs) {
    // Without this, every other decoding test would pass on a blank font.
    EXPECT_NE(decoded_byte('A'), decoded_byte('B'));
    EXPECT_EQ(decoded_byte('A'), 'A');
    EXPECT_EQ(decoded_byte('\xFE'), '\xFE');
    EXPECT_EQ(decoded_byte('\0'), ' ');
    EXPECT_EQ(decoded_byte('\xFF'), ' ');
}

TEST(cell_decoding, reads_back_a_whole_screen_drawn_with_the_font) {
    screen_builder builder = level_clue(4);
    builder.editing("#\xFE\x84\xE1@x", 2);
    expected_screen screen = builder.screen();
    decoded_screen decoded = decode_screen(drawn(screen));
    EXPECT_EQ(screen_difference(screen, decoded), "");
    EXPECT_EQ(decoded.rows[7].substr(0, 9), " >#\xFE\x84\xE1@x ");
    EXPECT_EQ(decoded.cursor_marks, (std::vector<cell_position>{{5, 8}}));
    EXPECT_EQ(decoded.unknown_cells, 0);
}

TEST(cell_decoding, a_cursor_mark_keeps_the_glyph_above_it_readable) {
    picture image = blank_picture(screen_width, screen_height);
    draw_cells(image, {10, 3}, "A");
    draw_cursor_mark(image, {10, 3});
    draw_cursor_mark(image, {62, 50});
    decoded_screen decoded = decode_screen(image);
    EXPECT_EQ(decoded.rows[2][9], 'A');
    EXPECT_EQ(decoded.rows[49][61], ' ');
    EXPECT_EQ(decoded.cursor_marks, (std::vector<cell_position>{{10, 3}, {62, 50}}));
}

TEST(cell_decoding, flags_cells_that_match_no_glyph_and_lit_strip_pixels) {
    expected_screen screen = greeting().screen();
    picture image = drawn(screen);
    image.at(8 * 4 + 3, 8 * 1 + 2) = 0x808080; // a grey pixel in column 5, row 2
    image.at(497, 200) = white;
    decoded_screen decoded = decode_screen(image);
    EXPECT_EQ(decoded.rows[1][4], unknown_cell);
    EXPECT_EQ(decoded.unknown_cells, 1);
    EXPECT_EQ(decoded.lit_strip_pixels, 1);
    std::string difference = screen_difference(screen, decoded);
    EXPECT_NE(difference.find("row 2: expected \" Hallo"), std::string::npos) << difference;
    EXPECT_NE(difference.find("decoded  \" Hal{?}o"), std::string::npos) << difference;
    EXPECT_NE(difference.find("columns 496-499"), std::string::npos) << difference;
}

TEST(cell_decoding, a_missing_or_misplaced_cursor_mark_is_a_difference) {
    screen_builder builder = level_clue(2);
    expected_screen typing = builder.editing("abc").screen();
    expected_screen no_mark = typing;
    no_mark.cursor.reset();
    expected_screen elsewhere = typing;
    elsewhere.cursor = cell_position{3, 6};
    EXPECT_EQ(screen_difference(typing, decode_screen(drawn(typing))), "");
    EXPECT_NE(screen_difference(typing, decode_screen(drawn(no_mark))), "");
    EXPECT_NE(screen_difference(typing, decode_screen(drawn(elsewhere))), "");
    EXPECT_NE(screen_difference(no_mark, decode_screen(drawn(typing))), "");
}

TEST(expected_screens, lay_out_full_rows_and_wrapped_answers) {
    expected_screen greeting_rows = greeting().screen();
    EXPECT_EQ(greeting_rows.rows[10].size(), 62u);
    EXPECT_EQ(greeting_rows.rows[11], "");
    EXPECT_EQ(greeting_rows.rows[12], " gelangen.");
    EXPECT_EQ(greeting_rows.rows[14], " Gutes Gelingen ;)");

    // 60 bytes after the prompt end in column 62: the cursor then stands in
    // column 1 of the next row, and after Enter one row stays empty.
    std::string sixty(60, 'x');
    screen_builder editing = level_clue(2);
    EXPECT_EQ(editing.editing(sixty).screen().cursor, (cell_position{1, 7}));
    screen_builder answered = level_clue(2);
    expected_screen after = answered.answered(sixty).line(rebuke).screen();
    EXPECT_EQ(after.rows[6], "");
    EXPECT_EQ(after.rows[7], rebuke);
}

} // namespace

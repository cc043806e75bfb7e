// Opening and closing the screen on the memory-only back-end.
#include "console/console.hpp"
#include "console/window/backend.hpp"
#include "console/window/drawing_context.hpp"
#include "console/window/screen_state.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

class screen_open_test : public ::testing::Test {
  protected:
    void SetUp() override { setenv("QZGFX", "null", 1); }
    void TearDown() override { screen_close(); }
};

bool all_pixels(const screen_state& s, std::uint32_t* page, std::uint32_t colour) {
    std::size_t count = static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height);
    return std::all_of(page, page + count, [colour](std::uint32_t p) { return p == colour; });
}

struct refused_case {
    std::int32_t width, height, depth;
};

class refused_arguments : public screen_open_test,
                          public ::testing::WithParamInterface<refused_case> {};

TEST_P(refused_arguments, give_1_and_leave_no_screen_or_the_open_one_unchanged) {
    auto [width, height, depth] = GetParam();
    EXPECT_EQ(screen_open(width, height, depth, 0, 0, 0), 1);
    EXPECT_EQ(current_screen(), nullptr);

    ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
    screen_state* open = current_screen();
    std::int32_t serial = open->serial;
    open->page_table[0][0] = 0xFF123456;
    EXPECT_EQ(screen_open(width, height, depth, 0, 0, 0), 1);
    ASSERT_EQ(current_screen(), open);
    EXPECT_EQ(open->serial, serial);
    EXPECT_EQ(open->page_table[0][0], 0xFF123456);

    // A refused call builds nothing, so it takes no serial.
    ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
    EXPECT_EQ(current_screen()->serial, serial + 1);
}

INSTANTIATE_TEST_SUITE_P(cases, refused_arguments,
                         ::testing::Values(refused_case{500, 400, 0}, refused_case{500, 400, 3},
                                           refused_case{500, 400, 33}, refused_case{500, 400, -1},
                                           refused_case{0, 400, 32}, refused_case{500, -1, 32},
                                           refused_case{-500, 400, 32}));

struct depth_case {
    std::int32_t asked, normalised, bytes_per_pixel;
    std::uint32_t colour_mask, foreground, background;
};

class depths : public screen_open_test, public ::testing::WithParamInterface<depth_case> {};

TEST_P(depths, are_normalised_with_rows_back_to_back) {
    const depth_case& c = GetParam();
    ASSERT_EQ(screen_open(501, 3, c.asked, 0, 0, 0), 0);
    const screen_state& s = *current_screen();
    EXPECT_EQ(s.depth, c.normalised);
    EXPECT_EQ(s.bytes_per_pixel, c.bytes_per_pixel);
    EXPECT_EQ(s.pitch, 501 * c.bytes_per_pixel);
    EXPECT_EQ(s.colour_mask, c.colour_mask);
    EXPECT_EQ(current_drawing_context().foreground, c.foreground);
    EXPECT_EQ(current_drawing_context().background, c.background);
}

INSTANTIATE_TEST_SUITE_P(
    cases, depths,
    ::testing::Values(depth_case{1, 1, 1, 0x1, 1, 0}, depth_case{2, 2, 1, 0x3, 3, 0},
                      depth_case{4, 4, 1, 0xF, 15, 0}, depth_case{8, 8, 1, 0xFF, 15, 0},
                      depth_case{15, 16, 2, 0xFFFF, 0xFFFF, 0},
                      depth_case{16, 16, 2, 0xFFFF, 0xFFFF, 0},
                      depth_case{24, 32, 4, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000},
                      depth_case{32, 32, 4, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000}));

struct pages_case {
    std::int32_t asked, made;
};

class pages : public screen_open_test, public ::testing::WithParamInterface<pages_case> {};

TEST_P(pages, are_aligned_black_framebuffers_at_least_one) {
    ASSERT_EQ(screen_open(500, 400, 32, GetParam().asked, 0, 0), 0);
    const screen_state& s = *current_screen();
    EXPECT_EQ(s.page_count, GetParam().made);
    ASSERT_EQ(s.page_table.size(), static_cast<std::size_t>(GetParam().made));
    for (std::uint32_t* page : s.page_table) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(page) % 16, 0u);
        EXPECT_TRUE(all_pixels(s, page, 0xFF000000));
    }
    EXPECT_EQ(s.visible_framebuffer, s.page_table[0]);
}

INSTANTIATE_TEST_SUITE_P(cases, pages,
                         ::testing::Values(pages_case{0, 1}, pages_case{-3, 1}, pages_case{1, 1},
                                           pages_case{3, 3}));

TEST_F(screen_open_test, the_riddles_screen_has_a_62_by_50_text_grid) {
    ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
    const screen_state& s = *current_screen();
    EXPECT_EQ(s.text_columns, 62);
    EXPECT_EQ(s.text_rows, 50);
    EXPECT_EQ(s.mode_number, -1);
    EXPECT_EQ(s.changed_rows.size(), 400u);
    EXPECT_STREQ(s.chosen_backend->name, "Null");
}

TEST_F(screen_open_test, reopening_builds_a_new_black_screen_with_the_next_serial) {
    ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
    std::int32_t first = current_screen()->serial;
    current_screen()->page_table[0][123] = 0xFFFFFFFF;
    ASSERT_EQ(screen_open(320, 200, 32, 0, 0, 0), 0);
    const screen_state& s = *current_screen();
    EXPECT_EQ(s.serial, first + 1);
    EXPECT_EQ(s.width, 320);
    EXPECT_TRUE(all_pixels(s, s.page_table[0], 0xFF000000));
}

TEST_F(screen_open_test, a_drawing_context_of_an_earlier_screen_is_set_up_afresh) {
    ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
    current_drawing_context().foreground = 0xFF00FF00;
    current_drawing_context().target_page = 2;
    ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
    EXPECT_EQ(current_drawing_context().foreground, 0xFFFFFFFF);
    EXPECT_EQ(current_drawing_context().target_page, 0);
    EXPECT_EQ(current_drawing_context().clip_right, 499);
    EXPECT_EQ(current_drawing_context().clip_bottom, 399);

    // Each thread has its own, set up on first use.
    current_drawing_context().foreground = 0xFF00FF00;
    std::uint32_t other_thread = 0;
    std::thread([&] { other_thread = current_drawing_context().foreground; }).join();
    EXPECT_EQ(other_thread, 0xFFFFFFFF);
}

TEST_F(screen_open_test, flags_minus_1_keep_the_screen_in_memory_whatever_qzgfx_says) {
    for (const char* qzgfx : {static_cast<const char*>(nullptr), "x11"}) {
        if (qzgfx)
            setenv("QZGFX", qzgfx, 1);
        else
            unsetenv("QZGFX");
        ASSERT_EQ(screen_open(500, 400, 32, 0, -1, 0), 0);
        EXPECT_STREQ(current_screen()->chosen_backend->name, "Null");
    }
}

TEST_F(screen_open_test, closing_leaves_no_screen_and_may_be_repeated) {
    ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
    screen_lock();
    screen_close();
    EXPECT_EQ(current_screen(), nullptr);
    screen_close();
    screen_lock();
    screen_unlock(0, -1);
    EXPECT_EQ(current_screen(), nullptr);
}

} // namespace

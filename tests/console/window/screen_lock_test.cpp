// The screen lock's nesting and the rows that screen_unlock marks.
#include "console/console.hpp"
#include "console/window/backend.hpp"
#include "console/window/drawing_context.hpp"
#include "console/window/screen_state.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Stands in for the window back-end's mutex and records its use.
std::vector<std::string> mutex_calls;

backend counting_backend() {
    backend b{};
    b.name = "counting";
    b.lock = [] { mutex_calls.push_back("lock"); };
    b.unlock = [] { mutex_calls.push_back("unlock"); };
    return b;
}

const backend counting = counting_backend();

class screen_lock_test : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("QZGFX", "null", 1);
        ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
        current_screen()->chosen_backend = &counting;
        std::fill(current_screen()->changed_rows.begin(), current_screen()->changed_rows.end(), 0);
        mutex_calls.clear();
    }
    void TearDown() override { screen_close(); }

    static std::vector<int> marked_rows() {
        std::vector<int> rows;
        const auto& flags = current_screen()->changed_rows;
        for (std::size_t r = 0; r < flags.size(); ++r)
            if (flags[r]) rows.push_back(static_cast<int>(r));
        return rows;
    }
};

std::vector<int> span(int first, int last) {
    std::vector<int> rows;
    for (int r = first; r <= last; ++r) rows.push_back(r);
    return rows;
}

TEST_F(screen_lock_test, only_the_outermost_pair_takes_and_releases_the_mutex) {
    screen_lock();
    screen_lock();
    screen_lock();
    EXPECT_EQ(current_screen()->lock_count, 3);
    screen_unlock(1, 0);
    screen_unlock(1, 0);
    EXPECT_EQ(mutex_calls, std::vector<std::string>{"lock"});
    screen_unlock(1, 0);
    EXPECT_EQ(current_screen()->lock_count, 0);
    EXPECT_EQ(mutex_calls, (std::vector<std::string>{"lock", "unlock"}));
}

TEST_F(screen_lock_test, an_unlock_without_the_lock_marks_under_the_mutex_and_never_goes_negative) {
    screen_unlock(10, 12);
    EXPECT_EQ(current_screen()->lock_count, 0);
    EXPECT_EQ(marked_rows(), span(10, 12));
    EXPECT_EQ(mutex_calls, (std::vector<std::string>{"lock", "unlock"}));
    screen_lock();
    EXPECT_EQ(current_screen()->lock_count, 1);
}

TEST_F(screen_lock_test, closing_with_the_lock_held_releases_the_mutex_once) {
    screen_lock();
    screen_lock();
    screen_close();
    EXPECT_EQ(mutex_calls, (std::vector<std::string>{"lock", "unlock"}));
}

struct marking_case {
    std::int32_t first, last;
    std::vector<int> marked;
};

class row_marking : public screen_lock_test, public ::testing::WithParamInterface<marking_case> {};

TEST_P(row_marking, marks_the_rows_asked_for_when_they_lie_on_the_screen) {
    screen_lock();
    screen_unlock(GetParam().first, GetParam().last);
    EXPECT_EQ(marked_rows(), GetParam().marked);
}

INSTANTIATE_TEST_SUITE_P(
    cases, row_marking,
    ::testing::Values(marking_case{1, 0, {}}, marking_case{0, -1, span(0, 399)},
                      marking_case{-1, -1, span(0, 399)}, marking_case{-7, 3, span(0, 3)},
                      marking_case{10, 10, {10}}, marking_case{390, -5, span(390, 399)},
                      marking_case{398, 400, {}}, marking_case{0, 400, {}},
                      marking_case{400, -1, {}}));

TEST_F(screen_lock_test, drawing_into_a_page_not_shown_marks_nothing) {
    current_drawing_context().target_page = 1;
    screen_lock();
    screen_unlock(0, -1);
    EXPECT_TRUE(marked_rows().empty());
    EXPECT_EQ(current_screen()->lock_count, 0);
    current_drawing_context().target_page = 0;
}

} // namespace

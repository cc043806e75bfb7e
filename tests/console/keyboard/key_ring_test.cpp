#include "console/window/screen_state.hpp"
#include "ring_fixtures.hpp"

#include <numeric>

namespace {

std::vector<std::int32_t> codes_from(std::int32_t first, int count) {
    std::vector<std::int32_t> codes(static_cast<std::size_t>(count));
    std::iota(codes.begin(), codes.end(), first);
    return codes;
}

void store_all(const std::vector<std::int32_t>& codes) {
    for (std::int32_t c : codes) store_key(c);
}

} // namespace

TEST_F(empty_ring, sixteen_presses_lose_the_first) {
    store_all(codes_from(1, 16));
    EXPECT_EQ(taken_keys(), codes_from(2, 15));
}

TEST_F(empty_ring, holds_fifteen_without_loss) {
    store_all(codes_from(1, 15));
    EXPECT_EQ(taken_keys(), codes_from(1, 15));
}

TEST_F(empty_ring, keeps_order_across_the_end_of_its_slots) {
    store_all(codes_from(1, 10));
    EXPECT_EQ(taken_keys(), codes_from(1, 10));
    store_all(codes_from(100, 20));
    EXPECT_EQ(taken_keys(), codes_from(105, 15));
}

TEST_F(empty_ring, take_from_empty_ring_gives_zero_and_stays_empty) {
    EXPECT_EQ(take_key(), 0);
    EXPECT_TRUE(key_ring_empty());
    store_key(65);
    EXPECT_EQ(take_key(), 65);
    EXPECT_EQ(take_key(), 0);
}

TEST_F(keyboard_screen, empty_ring_reads_as_nothing) {
    EXPECT_EQ(key_available(), 0);
    EXPECT_EQ(read_key(), "");
}

TEST_F(keyboard_screen, key_available_removes_nothing) {
    store_key(97);
    EXPECT_EQ(key_available(), 1);
    EXPECT_EQ(key_available(), 1);
    EXPECT_EQ(read_key(), "a");
    EXPECT_EQ(key_available(), 0);
}

struct string_form {
    std::int32_t code;
    byte_string bytes;
};

class read_key_forms : public keyboard_screen, public ::testing::WithParamInterface<string_form> {};

TEST_P(read_key_forms, gives_the_string_form) {
    store_key(GetParam().code);
    EXPECT_EQ(read_key(), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(codes, read_key_forms,
                         ::testing::Values(string_form{97, "a"}, string_form{1, "\x01"},
                                           string_form{132, "\x84"}, string_form{255, "\xff"},
                                           string_form{extended_key(0x48), "\xff\x48"},
                                           string_form{extended_key(0x0F), "\xff\x0f"},
                                           string_form{key_window_close, "\xff\x6b"}));

TEST_F(keyboard_screen, ring_operations_leave_the_lock_as_they_found_it) {
    store_key(97);
    EXPECT_EQ(key_available(), 1);
    EXPECT_EQ(read_key(), "a");
    EXPECT_EQ(current_screen()->lock_count, 0);
    // Inside a caller's lock only the nesting count moves.
    screen_lock();
    store_key(98);
    EXPECT_EQ(key_available(), 1);
    EXPECT_EQ(wait_key(), 98);
    EXPECT_EQ(current_screen()->lock_count, 1);
    screen_unlock(1, 0);
}

TEST_F(keyboard_screen, wait_key_returns_a_waiting_key_without_sleeping) {
    store_key(extended_key(0x48));
    EXPECT_EQ(wait_key(), 0x48FF);
}

TEST_F(keyboard_screen, wait_key_sleeps_unlocked_until_a_key_is_stored) {
    std::vector<std::int32_t> lock_counts;
    auto idle = [&] { lock_counts.push_back(current_screen()->lock_count); };
    key_script = {idle, idle, [&] {
                      idle();
                      on_close_box();
                  }};
    EXPECT_EQ(wait_key(), key_window_close);
    EXPECT_TRUE(key_script.empty());
    EXPECT_EQ(lock_counts, (std::vector<std::int32_t>{0, 0, 0}));
}

TEST_F(keyboard_screen, second_key_waits_for_the_next_reader) {
    key_script = {[] {
        on_character(U'x', 1);
        on_character(U'7', 1);
    }};
    EXPECT_EQ(wait_key(), 'x');
    EXPECT_EQ(read_key(), "7");
}

TEST_F(keyboard_screen, keys_survive_a_new_screen) {
    store_key(97);
    ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
    EXPECT_EQ(read_key(), "a");
}

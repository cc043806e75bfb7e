// Choosing a back-end, seen through fake back-ends that record every call.
#include "console/window/backend.hpp"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> calls;
// Whether the fake named so opens with this refresh rate and these flags.
std::function<bool(const std::string& name, std::int32_t refresh, std::int32_t flags)> accepts;

constexpr std::array<const char*, 2> fake_names = {"a", "b"};

template <std::size_t n>
std::int32_t fake_open(const char* title, std::int32_t width, std::int32_t height,
                       std::int32_t depth, std::int32_t refresh, std::int32_t flags) {
    EXPECT_STREQ(title, "raetsel");
    EXPECT_EQ(width, 500);
    EXPECT_EQ(height, 400);
    EXPECT_EQ(depth, 32);
    calls.push_back(std::string(fake_names[n]) + " open " + std::to_string(refresh) + " " +
                    std::to_string(flags));
    return accepts(fake_names[n], refresh, flags) ? 0 : 1;
}

template <std::size_t n>
void fake_close() {
    calls.push_back(std::string(fake_names[n]) + " close");
}

template <std::size_t n>
constexpr backend fake() {
    backend b{};
    b.name = fake_names[n];
    b.open = fake_open<n>;
    b.close = fake_close<n>;
    return b;
}

constexpr backend fake_a = fake<0>();
constexpr backend fake_b = fake<1>();
constexpr std::array<const backend*, 2> fakes = {&fake_a, &fake_b};

constexpr std::int32_t refresh_asked = 60;

// Failed attempts on each named back-end: refresh asked, then 0, a close after each.
std::vector<std::string> failed(std::initializer_list<const char*> names, std::int32_t flags) {
    std::vector<std::string> log;
    for (const char* name : names) {
        for (std::int32_t rate : {refresh_asked, 0}) {
            log.push_back(std::string(name) + " open " + std::to_string(rate) + " " +
                          std::to_string(flags));
            log.push_back(std::string(name) + " close");
        }
    }
    return log;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct choice_case {
    const char* name;
    const char* qzgfx; // nullptr: not set
    std::int32_t flags;
    std::function<bool(const std::string&, std::int32_t, std::int32_t)> accepts;
    const backend* chosen;
    std::vector<std::string> calls;
};

void PrintTo(const choice_case& c, std::ostream* out) {
    *out << c.name;
}

bool none(const std::string&, std::int32_t, std::int32_t) {
    return false;
}

const choice_case choice_cases[] = {
    {"unset_windowed_then_full_screen", nullptr, 0, none, nullptr,
     failed({"a", "b"}, 0) + failed({"a", "b"}, 1)},
    {"named_first_then_all_then_flipped", "B", 0, none, nullptr,
     failed({"b"}, 0) + failed({"a", "b"}, 0) + failed({"b"}, 1) + failed({"a", "b"}, 1)},
    {"unknown_name_as_if_unset", "nosuch", 0, none, nullptr,
     failed({"a", "b"}, 0) + failed({"a", "b"}, 1)},
    {"empty_name_as_if_unset", "", 0, none, nullptr, failed({"a", "b"}, 0) + failed({"a", "b"}, 1)},
    {"full_screen_asked_flips_to_windowed", nullptr, 1, none, nullptr,
     failed({"a", "b"}, 1) + failed({"a", "b"}, 0)},
    {"second_attempt_with_refresh_0_succeeds", nullptr, 0,
     [](const std::string& n, std::int32_t r, std::int32_t) { return n == "b" && r == 0; }, &fake_b,
     failed({"a"}, 0) + std::vector<std::string>{"b open 60 0", "b close", "b open 0 0"}},
    {"named_back_end_opens_first",
     "a",
     0,
     [](const std::string&, std::int32_t, std::int32_t) { return true; },
     &fake_a,
     {"a open 60 0"}},
    {"only_full_screen_reached_in_the_flipped_pass", "b", 0,
     [](const std::string& n, std::int32_t, std::int32_t f) { return n == "b" && f == 1; }, &fake_b,
     failed({"b"}, 0) + failed({"a", "b"}, 0) + std::vector<std::string>{"b open 60 1"}},
    {"flipping_keeps_the_other_bits", nullptr, 0x10,
     [](const std::string& n, std::int32_t, std::int32_t f) { return n == "a" && f == 0x11; },
     &fake_a, failed({"a", "b"}, 0x10) + std::vector<std::string>{"a open 60 17"}},
};

class backend_choice : public ::testing::TestWithParam<choice_case> {};

TEST_P(backend_choice, tries_the_passes_in_order_and_closes_after_every_failure) {
    const choice_case& c = GetParam();
    calls.clear();
    accepts = c.accepts;
    const backend* chosen =
        choose_backend(fakes, "raetsel", 500, 400, 32, refresh_asked, c.flags, c.qzgfx);
    EXPECT_EQ(chosen, c.chosen);
    EXPECT_EQ(calls, c.calls);
}

INSTANTIATE_TEST_SUITE_P(cases, backend_choice, ::testing::ValuesIn(choice_cases),
                         [](const auto& info) { return std::string(info.param.name); });

struct memory_only_case {
    const char* qzgfx;
    std::int32_t flags;
};

class memory_only : public ::testing::TestWithParam<memory_only_case> {};

TEST_P(memory_only, is_chosen_without_calling_any_back_end) {
    calls.clear();
    accepts = [](const std::string&, std::int32_t, std::int32_t) { return true; };
    const backend* chosen = choose_backend(fakes, "raetsel", 500, 400, 32, refresh_asked,
                                           GetParam().flags, GetParam().qzgfx);
    ASSERT_EQ(chosen, &null_backend());
    EXPECT_STREQ(chosen->name, "Null");
    EXPECT_TRUE(calls.empty());
}

INSTANTIATE_TEST_SUITE_P(cases, memory_only,
                         ::testing::Values(memory_only_case{nullptr, -1}, memory_only_case{"a", -1},
                                           memory_only_case{"null", 0}, memory_only_case{"NULL", 0},
                                           memory_only_case{"Null", 1}));

} // namespace

// Items taken from a line: blanks, commas, quotes and the 4096-byte limit.
#include "console/input/input.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct item_case {
    const char* name;
    byte_string line;
    std::vector<byte_string> items; // in order; one more take gives an empty item
};

void PrintTo(const item_case& c, std::ostream* os) {
    *os << c.name;
}

const byte_string a4096(4096, 'a');

const item_case item_cases[] = {
    {"empty_line", "", {""}},
    {"one_word", "abc", {"abc"}},
    {"leading_blanks_dropped_trailing_kept", "  ab  ", {"ab  "}},
    {"leading_tabs_dropped", "\t \tab", {"ab"}},
    {"blank_inside_kept", "a b ,c", {"a b ", "c"}},
    {"comma_ends_item", "a,b", {"a", "b"}},
    {"two_commas_give_empty_item", "a,,b", {"a", "", "b"}},
    {"leading_comma", ",ab", {"", "ab"}},
    {"blanks_only", "   ", {""}},
    {"quoted_keeps_comma_and_blank", "\"a, b\"", {"a, b"}},
    {"quoted_then_blanks_and_comma", "\"a\" \t, b", {"a", "b"}},
    {"quoted_then_other_byte_stays", "\"a\"b", {"a", "b"}},
    {"two_quoted_items", "\"a\" \"b\"", {"a", "b"}},
    {"quoted_without_end", "\"a, b", {"a, b"}},
    {"empty_quoted", "\"\",x", {"", "x"}},
    {"quote_inside_unquoted", "ab\"c", {"ab\"c"}},
    {"every_byte_ordinary", "\x01\x1f\x7f\x80\xe1\xfe\xff", {"\x01\x1f\x7f\x80\xe1\xfe\xff"}},
    {"long_line_split_at_4096", byte_string(5000, 'a'), {a4096, byte_string(904, 'a')}},
    {"4096_then_comma", a4096 + ",b", {a4096, "b"}},
    {"4096_then_blanks_and_comma", a4096 + "  ,b", {a4096, "b"}},
    {"4096_then_blanks_then_byte", a4096 + "   x", {a4096, "x"}},
    {"4097_leaves_one_byte", a4096 + "a  x", {a4096, "a  x"}},
    {"quoted_4096_closes", "\"" + a4096 + "\",b", {a4096, "b"}},
    {"quoted_4097_rest_unquoted", "\"" + a4096 + "ab\"", {a4096, "ab\""}},
};

class item_rules : public ::testing::TestWithParam<item_case> {};

TEST_P(item_rules, gives_items_in_order_then_empty) {
    const item_case& c = GetParam();
    input_state state{c.line, 0};
    for (const byte_string& expected : c.items) EXPECT_EQ(take_item(state), expected);
    EXPECT_EQ(take_item(state), "");
    EXPECT_EQ(state.read_pos, static_cast<std::int32_t>(c.line.size()));
}

INSTANTIATE_TEST_SUITE_P(lines, item_rules, ::testing::ValuesIn(item_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(item_rules_position, read_pos_outside_the_line_is_brought_inside) {
    input_state past{"ab", 99};
    EXPECT_EQ(take_item(past), "");
    EXPECT_EQ(past.read_pos, 2);

    input_state before{"ab", -5};
    EXPECT_EQ(take_item(before), "ab");
    EXPECT_EQ(before.read_pos, 2);
}

// Lines of the bytes that matter to the rules: every take moves on or is at
// the end, stays inside the line and gives at most 4096 bytes.
TEST(item_rules_position, any_line_is_read_to_its_end_safely) {
    std::mt19937 random(7);
    const char alphabet[] = {'a', ' ', '\t', ',', '"', '\xff'};
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
    std::uniform_int_distribution<int> length(0, 9000);
    for (int round = 0; round < 200; ++round) {
        input_state state;
        const int n = round < 20 ? round : length(random);
        // Long runs without separators reach the limit.
        for (int i = 0; i < n; ++i) state.line += round % 3 == 0 ? 'a' : alphabet[pick(random)];
        const auto size = static_cast<std::int32_t>(state.line.size());
        for (int takes = 0; state.read_pos < size; ++takes) {
            ASSERT_LE(takes, size) << "a take consumed nothing";
            const std::int32_t before = state.read_pos;
            const byte_string item = take_item(state);
            ASSERT_LE(item.size(), 4096u);
            ASSERT_GT(state.read_pos, before);
            ASSERT_LE(state.read_pos, size);
        }
        EXPECT_EQ(take_item(state), "");
    }
}

TEST(input_take_string, replaces_the_destination_and_moves_on) {
    current_input_state() = input_state{"first, second", 0};
    byte_string destination = "old contents";
    EXPECT_EQ(input_take_string(destination), 0);
    EXPECT_EQ(destination, "first");
    EXPECT_EQ(input_take_string(destination), 0);
    EXPECT_EQ(destination, "second");
    EXPECT_EQ(input_take_string(destination), 0);
    EXPECT_EQ(destination, "");
    current_input_state() = input_state{};
}

} // namespace

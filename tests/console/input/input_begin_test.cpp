// The input statement around the editor: what stands before the typed text,
// the line break after it, a pending wrap, and running out of memory.
#include "console/input/input.hpp"
#include "console/text/text.hpp"
#include "line_keys.hpp"
#include "refused_allocation.hpp"

#include <optional>
#include <string>

namespace {

struct prompt_case {
    const char* name;
    std::optional<byte_string> prompt;
    std::int32_t add_question;
    std::string shown_before; // what row 1 shows before the typed text
};

void PrintTo(const prompt_case& c, std::ostream* os) {
    *os << c.name;
}

const prompt_case prompt_cases[] = {
    {"riddle_prompt", byte_string(" >"), 0, " >"},
    {"prompt_and_question", byte_string(" >"), 1, " >? "},
    {"empty_prompt_and_question", byte_string(), -1, "? "},
    {"empty_prompt", byte_string(), 0, ""},
    {"no_prompt_no_question_mark", std::nullopt, 1, ""},
};

class prompts : public line_editor, public ::testing::WithParamInterface<prompt_case> {};

TEST_P(prompts, come_right_before_the_typed_text) {
    const prompt_case& c = GetParam();
    const auto typing_column = static_cast<std::int32_t>(c.shown_before.size() + 1);
    std::pair<std::int32_t, std::int32_t> cursor_at_start;
    look_later([&] { cursor_at_start = cursor_get(); });
    press_later(typed("ab") + key_codes{k_enter});
    EXPECT_EQ(input_begin(c.prompt, c.add_question, -1), 0);
    EXPECT_EQ(cursor_at_start, std::make_pair(typing_column, 1));
    EXPECT_EQ(trimmed(row(1)), c.shown_before + "ab");
    EXPECT_EQ(next_item(), "ab");
}

INSTANTIATE_TEST_SUITE_P(forms, prompts, ::testing::ValuesIn(prompt_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(line_editor, without_add_newline_the_cursor_stays_after_the_text) {
    press_later(typed("abc") + key_codes{k_home, k_enter});
    input_begin(byte_string(" >"), 0, 0);
    EXPECT_EQ(cursor_get(), std::make_pair(6, 1));
    print_text("!", 0);
    EXPECT_EQ(trimmed(row(1)), " >abc!");
}

TEST_F(line_editor, a_pending_wrap_is_carried_out_before_the_prompt) {
    cursor_set(50, 1);
    print_text(byte_string(62, 'x'), 0); // leaves the wrap pending
    press_later(typed("ab") + key_codes{k_enter});
    input_begin(std::nullopt, 0, 0);
    EXPECT_EQ(row(49), byte_string(62, 'x'));
    EXPECT_EQ(trimmed(row(50)), "ab");
}

TEST_F(line_editor, a_prompt_ending_in_the_last_cell_starts_the_line_on_a_new_row) {
    cursor_set(50, 61);
    press_later(typed("ab") + key_codes{k_enter});
    input_begin(byte_string(" >"), 0, 0);
    EXPECT_EQ(row(49).substr(60), " >");
    EXPECT_EQ(trimmed(row(50)), "ab");
    EXPECT_EQ(current_input_state().line, "ab");
}

TEST_F(line_editor, without_memory_for_the_line_nothing_is_edited) {
    press_later(typed("a,b") + key_codes{k_enter});
    riddle_input();
    type_ahead(typed("x"));

    refuse_allocations_from(64);
    const std::int32_t status = riddle_input();
    refuse_allocations_from(0);

    EXPECT_EQ(status, 4);
    EXPECT_EQ(current_input_state().line, "");
    EXPECT_EQ(next_item(), "");
    EXPECT_EQ(trimmed(row(2)), " >");
    EXPECT_FALSE(shows_mark(3, 2));
    EXPECT_EQ(cursor_get(), std::make_pair(1, 3)) << "the line break is still printed";
    EXPECT_EQ(key_available(), 1) << "no key was read";
}

TEST_F(line_editor, running_out_of_memory_while_typing_ends_the_input) {
    press_later(typed("abc"));
    look_later([] { refuse_allocations_from(64); });
    press_later(repeated('d', 5000) + key_codes{k_enter});
    const std::int32_t status = riddle_input();
    refuse_allocations_from(0);

    EXPECT_EQ(status, 4);
    EXPECT_EQ(current_input_state().line, "");
    EXPECT_EQ(cursor_get().first, 1);

    // The editor works as before afterwards.
    key_script.clear();
    while (key_available() != 0) read_key();
    press_later(typed("ok") + key_codes{k_enter});
    EXPECT_EQ(riddle_input(), 0);
    EXPECT_EQ(next_item(), "ok");
}

} // namespace

#include "riddle/riddle.hpp"

#include "console/console.hpp"
#include "riddle/answers.hpp"
#include "riddle/screens.hpp"

std::int32_t level_number = 0;

namespace {

answer_table answers;

byte_string take_answer() {
    input_begin(byte_string(answer_prompt), 0, -1);
    byte_string typed;
    input_take_string(typed);
    return typed;
}

void say(screen_line line) {
    print_text(byte_string(line), print_line_break);
}

[[noreturn]] void end_after_rebuke() {
    say(rebuke);
    wait_key();
    program_end(0);
}

void praise_and_advance(int level) {
    say(praise_after_level(level));
    level_number = level + 1;
    wait_key();
}

void play_level_1() {
    screen_clear();
    answers = filled_answer_table();
    say(blank_line);
    for (char c : level_1_address) print_unsigned(static_cast<unsigned char>(c), print_line_break);
    say(empty_line);
    if (!equal(take_answer(), answers[0])) end_after_rebuke();
    praise_and_advance(1);
}

// Levels 2 and 3: a clue screen, and an answer joined from the table.
void play_joined_level(int level, std::span<const screen_line> screen, std::size_t first,
                       std::size_t count) {
    screen_clear();
    print_lines(screen);
    byte_string typed = take_answer();
    byte_string expected;
    for (std::size_t n = first; n < first + count; ++n) expected = join(expected, answers[n - 1]);
    if (!equal(upper_case(typed), expected)) end_after_rebuke();
    praise_and_advance(level);
}

[[noreturn]] void play_level_4() {
    screen_clear();
    print_lines(level_4_screen);
    if (equal(upper_case(take_answer()), level_4_answer)) {
        praise_and_advance(4);
        program_end(0);
    }
    print_lines(last_level_rebuke);
    wait_key();
    program_end(0);
}

} // namespace

void riddle_run() {
    screen_open(500, 400, 32, 0, 0, 0);
    print_lines(greeting_screen);
    wait_key();
    play_level_1();
    if (level_number == 2) play_joined_level(2, level_2_screen, 5, 5);
    if (level_number == 3) play_joined_level(3, level_3_screen, 2, 3);
    if (level_number != 4) program_end(0);
    play_level_4();
}

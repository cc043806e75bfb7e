// The game played with standard input and output on pipes: every screen,
// row by row, as a session would show it.
#include "game_process.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace {

using rows = std::vector<std::string>;

// The character codes of www.geheimeloesung.example.
const rows level_1_numbers = {"119", "119", "119", "46",  "103", "101", "104", "101", "105",
                              "109", "101", "108", "111", "101", "115", "117", "110", "103",
                              "46",  "101", "120", "97",  "109", "112", "108", "101"};

template <typename lines>
void append(rows& to, const lines& more) {
    to.insert(to.end(), more.begin(), more.end());
}

rows greeting() {
    rows r;
    append(r, greeting_screen);
    return r;
}

rows level_1_screen() {
    rows r = {" "};
    r.insert(r.end(), level_1_numbers.begin(), level_1_numbers.end());
    r.push_back("");
    return r;
}

struct level {
    rows screen;
    std::string answer; // as typed and echoed
};

std::vector<level> levels_played_right() {
    std::vector<level> levels = {{level_1_screen(), "7"}, {{}, "worms"}, {{}, "Div"}, {{}, "#■■"}};
    append(levels[1].screen, level_2_screen);
    append(levels[2].screen, level_3_screen);
    append(levels[3].screen, level_4_screen);
    return levels;
}

// Where standard input may end: the input up to that wait, and what the game
// has shown by then.
struct wait_point {
    std::string input;
    rows shown;
};

struct whole_play {
    std::string input;
    rows shown;
    std::vector<wait_point> waits;
};

whole_play right_play() {
    whole_play play;
    play.shown = greeting();
    for (int n = 1; const level& l : levels_played_right()) {
        play.waits.push_back({play.input, play.shown});
        play.input += "\n";
        append(play.shown, l.screen);
        rows at_prompt = play.shown;
        at_prompt.push_back(std::string(answer_prompt));
        play.waits.push_back({play.input, at_prompt});
        play.input += l.answer + "\n";
        play.shown.push_back(std::string(answer_prompt) + l.answer);
        play.shown.push_back(std::string(praise_after_level(n++)));
    }
    play.waits.push_back({play.input, play.shown});
    play.input += "\n";
    return play;
}

// The output split at every "\r\n"; a last row without one is kept as
// "<unended>..." so that it shows in a failure.
rows rows_of(const std::string& output) {
    rows r;
    std::size_t start = 0;
    for (std::size_t end; (end = output.find("\r\n", start)) != std::string::npos; start = end + 2)
        r.push_back(output.substr(start, end - start));
    if (start < output.size()) r.push_back("<unended>" + output.substr(start));
    return r;
}

TEST(piped_play, every_level_right_plays_to_the_end) {
    whole_play play = right_play();
    ASSERT_EQ(play.input, "\n7\n\nworms\n\nDiv\n\n#■■\n\n");
    process_result run = play_piped(play.input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(rows_of(run.output), play.shown);
    EXPECT_EQ(play.shown.back(), " Gut gemacht, auf zu Level 5");
}

TEST(piped_play, lines_ended_by_carriage_return_and_line_feed_play_alike) {
    whole_play play = right_play();
    std::string crlf;
    for (char c : play.input) crlf += c == '\n' ? "\r\n" : std::string(1, c);
    process_result run = play_piped(crlf);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(rows_of(run.output), play.shown);
}

TEST(piped_play, a_last_line_without_line_feed_still_counts) {
    whole_play play = right_play();
    std::string input = play.input.substr(0, play.input.size() - 2); // drop "\n\n"
    process_result run = play_piped(input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(rows_of(run.output), play.shown);
}

TEST(piped_play, input_ending_at_any_wait_ends_the_game_with_status_0) {
    for (const wait_point& wait : right_play().waits) {
        SCOPED_TRACE("input: " + wait.input);
        process_result run = play_piped(wait.input);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(rows_of(run.output), wait.shown);
    }
}

TEST(piped_play, dev_null_as_input_shows_the_greeting_and_ends) {
    process_result run = run_process_reading({RAETSEL_BINARY}, "/dev/null");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(rows_of(run.output), greeting());
}

// The rows of a play up to and including the answer typed on level n, with
// the levels before it answered right.
rows shown_through_answer(int n, const std::string& typed) {
    rows shown = greeting();
    std::vector<level> levels = levels_played_right();
    for (int k = 1; k <= n; ++k) {
        const level& l = levels[static_cast<std::size_t>(k - 1)];
        append(shown, l.screen);
        shown.push_back(std::string(answer_prompt) + (k == n ? typed : l.answer));
        if (k < n) shown.push_back(std::string(praise_after_level(k)));
    }
    return shown;
}

std::string input_through_answer(int n, const std::string& typed) {
    std::string input;
    std::vector<level> levels = levels_played_right();
    for (int k = 1; k <= n; ++k)
        input += "\n" + (k == n ? typed : levels[static_cast<std::size_t>(k - 1)].answer) + "\n";
    return input;
}

struct answer_case {
    const char* name;
    int level;
    std::string typed;
    std::string echoed; // what the echo shows of it
    bool right;
};

const std::vector<answer_case> answer_cases = {
    {"level 1 wrong", 1, "8", "8", false},
    {"trailing blank", 1, "7 ", "7 ", false},
    {"leading comma", 1, ",7", ",7", false},
    {"leading blanks dropped", 1, "  7", "  7", true},
    {"level 2 one letter more", 2, "wormsx", "wormsx", false},
    {"level 2 upper case", 2, "WORMS", "WORMS", true},
    {"level 3 one letter short", 3, "di", "di", false},
    {"level 3 mixed case", 3, "dIv", "dIv", true},
    {"level 4 wrong", 4, "#--", "#--", false},
    {"level 4 a sign the code page lacks", 4, "#€€", "#??", false},
    {"escape sequence typed", 1, "\x1b[2J7", "←[2J7", false},
};

TEST(piped_play, answers_are_judged_and_answered) {
    for (const answer_case& c : answer_cases) {
        SCOPED_TRACE(c.name);
        // Input goes on after the key that ends a wrong answer: there is no
        // second try.
        std::string input = input_through_answer(c.level, c.typed) + "\n" + "7\n\n";
        rows expected = shown_through_answer(c.level, c.echoed);
        if (c.right) {
            expected.push_back(std::string(praise_after_level(c.level)));
            input = input_through_answer(c.level, c.typed);
        } else if (c.level == 4) {
            append(expected, last_level_rebuke);
        } else {
            expected.push_back(std::string(rebuke));
        }
        process_result run = play_piped(input);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(rows_of(run.output), expected);
    }
}

} // namespace

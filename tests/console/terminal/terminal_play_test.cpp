// The game on a real terminal: played by keys, and the terminal's modes as
// they were once it is gone, however it goes.
#include "tmux_session.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace {

const std::string prompt(answer_prompt);

std::string praise(int level) {
    return std::string(praise_after_level(level));
}

// At the level-1 prompt, with the modes of the terminal raw by then.
void reach_level_1(tmux_session& t) {
    ASSERT_TRUE(t.shows("Gutes Gelingen ;)"));
    t.keys({"Space"});
    ASSERT_TRUE(t.shows_row(prompt));
    ASSERT_NE(t.modes_now(), t.recorded("before"));
}

void expect_modes_as_before(tmux_session& t) {
    ASSERT_TRUE(t.game_over());
    EXPECT_FALSE(t.recorded("before").empty());
    EXPECT_EQ(t.recorded("after"), t.recorded("before"));
}

TEST(terminal_play, played_by_keys_with_editing) {
    tmux_session t;
    reach_level_1(t);

    t.type("17");
    t.keys({"Left", "BSpace"});
    ASSERT_TRUE(t.shows_row(prompt + "7"));
    t.keys({"Enter"});
    ASSERT_TRUE(t.shows(praise(1)));

    t.keys({"x"});
    ASSERT_TRUE(t.shows("49.634508,8.351097"));
    t.type("wurms");
    t.keys({"Home", "Right", "Right", "BSpace"});
    t.type("o");
    t.keys({"End"});
    ASSERT_TRUE(t.shows_row(prompt + "worms"));
    t.keys({"Enter"});
    ASSERT_TRUE(t.shows(praise(2)));

    t.keys({"x"});
    ASSERT_TRUE(t.shows("DOS int 00h -> QZ"));
    t.type("abc");
    t.keys({"Escape"});
    ASSERT_TRUE(t.shows_row(prompt));
    t.type("xyz");
    t.keys({"C-u"});
    ASSERT_TRUE(t.shows_row(prompt));
    t.type("Dix");
    t.keys({"Left", "Delete", "End"});
    t.type("v");
    ASSERT_TRUE(t.shows_row(prompt + "Div"));
    t.keys({"Enter"});
    ASSERT_TRUE(t.shows(praise(3)));

    t.keys({"x"});
    ASSERT_TRUE(t.shows("+1--+0+110-+0"));
    t.type("#■■");
    ASSERT_TRUE(t.shows_row(prompt + "#■■"));
    t.keys({"Enter"});
    ASSERT_TRUE(t.shows(praise(4)));
    t.keys({"x"});

    expect_modes_as_before(t);
    EXPECT_EQ(t.recorded("status"), "0");
}

TEST(terminal_play, a_wrong_answer_ends_the_game_after_a_key) {
    tmux_session t;
    reach_level_1(t);
    t.type("8");
    t.keys({"Enter"});
    ASSERT_TRUE(t.shows_row(std::string(rebuke)));
    t.keys({"x"});
    expect_modes_as_before(t);
    EXPECT_EQ(t.recorded("status"), "0");
}

struct ending {
    const char* name;
    std::function<void(tmux_session&)> end;
    const char* status;
};

TEST(terminal_play, every_way_out_leaves_the_modes_as_they_were) {
    const std::vector<ending> endings = {
        {"Ctrl+C", [](tmux_session& t) { t.keys({"C-c"}); }, "130"},
        {"SIGTERM", [](tmux_session& t) { kill(t.game_pid(), SIGTERM); }, "143"},
        {"SIGHUP", [](tmux_session& t) { kill(t.game_pid(), SIGHUP); }, "129"},
        {"Ctrl+D on an empty line", [](tmux_session& t) { t.keys({"C-d"}); }, "0"},
    };
    for (const ending& e : endings) {
        SCOPED_TRACE(e.name);
        tmux_session t;
        reach_level_1(t);
        e.end(t);
        expect_modes_as_before(t);
        EXPECT_EQ(t.recorded("status"), e.status);
    }
}

TEST(terminal_play, ctrl_d_ends_nothing_while_the_line_holds_text) {
    tmux_session t;
    reach_level_1(t);
    t.type("7");
    t.keys({"C-d", "Enter"});
    ASSERT_TRUE(t.shows(praise(1)));
    t.keys({"C-c"});
    expect_modes_as_before(t);
}

TEST(terminal_play, a_stop_gives_back_the_modes_and_a_continue_takes_them_again) {
    tmux_session t(true);
    reach_level_1(t);
    t.type("1");
    ASSERT_TRUE(t.shows_row(prompt + "1"));
    kill(t.game_pid(), SIGTSTP);
    // The script records the modes and continues the game in the foreground.
    ASSERT_TRUE(t.waits_until([&] { return !t.recorded("stopped").empty(); }));
    EXPECT_EQ(t.recorded("stopped"), t.recorded("before"));
    EXPECT_TRUE(t.waits_until([&] { return t.modes_now() != t.recorded("before"); }));
    EXPECT_NE(t.readable_modes_now().find("-icanon"), std::string::npos);
    t.keys({"BSpace"});
    t.type("8");
    t.keys({"Enter"});
    ASSERT_TRUE(t.shows_row(std::string(rebuke)));
    t.keys({"x"});
    expect_modes_as_before(t);
    EXPECT_EQ(t.recorded("status"), "0");
}

TEST(terminal_play, a_line_longer_than_the_row_stays_editable_when_the_terminal_narrows) {
    tmux_session t;
    reach_level_1(t);
    t.type(std::string(100, 'x'));
    ASSERT_TRUE(t.waits_until([&] { return t.cursor_row().size() == 78; }))
        << "cursor row: " << t.cursor_row();
    EXPECT_EQ(t.cursor_row(), prompt + std::string(76, 'x'));
    t.resize(40);
    // Redrawn for the new width, its last column left free. A terminal that
    // rewraps the old row leaves part of it above; the edited row is the
    // cursor's.
    EXPECT_TRUE(t.waits_until([&] { return t.cursor_row() == prompt + std::string(36, 'x'); }))
        << "cursor row: " << t.cursor_row();
    t.keys({"Home"});
    EXPECT_TRUE(t.waits_until([&] { return t.cursor_row() == prompt + std::string(37, 'x'); }))
        << "cursor row: " << t.cursor_row();
    t.keys({"Escape"});
    ASSERT_TRUE(t.shows_row(prompt));
    t.type("7");
    t.keys({"Enter"});
    ASSERT_TRUE(t.shows(praise(1)));
    t.keys({"C-c"});
    expect_modes_as_before(t);
}

} // namespace

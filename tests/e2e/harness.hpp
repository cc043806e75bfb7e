// The end-to-end harness: the real game in its own X server, typed at with
// real key presses, its window read back cell by cell.
#pragma once

#include "e2e/harness/artefacts.hpp"
#include "e2e/harness/cell_decode.hpp"
#include "e2e/harness/expected_screen.hpp"
#include "e2e/harness/picture.hpp"
#include "e2e/harness/process.hpp"
#include "e2e/harness/screen_compare.hpp"
#include "e2e/harness/typing.hpp"
#include "e2e/harness/window_find.hpp"
#include "e2e/harness/x_display.hpp"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view game_title = "raetsel";

// Upper bounds for things to happen; checks poll, so a pass takes as long
// as the game needs.
inline constexpr auto window_wait = std::chrono::seconds(30);
inline constexpr auto screen_wait = std::chrono::seconds(8);
inline constexpr auto exit_wait = std::chrono::seconds(10);

struct game_options {
    display_options display;
    // Changes to the game's environment after the defaults: no QZGFX, the
    // dummy audio driver.
    environment_changes environment;
};

// One run of the game on a display of its own, its window found and focused.
class game_session {
  public:
    explicit game_session(const game_options& options = {});
    game_session(const game_session&) = delete;
    game_session& operator=(const game_session&) = delete;
    // A game still running at the end of a test is killed.
    ~game_session() { game_.stop(std::chrono::milliseconds(100)); }

    // Whether the window is there to be played; the constructor has
    // reported why not.
    bool ready() const { return window_ != no_window; }

    // Polls the window until it shows expected or screen_wait passes; then
    // reports the difference and saves the picture and the rows.
    bool expect_screen(const expected_screen& expected,
                       std::chrono::milliseconds timeout = screen_wait);
    // The same for a screen that depends on what is shown, such as a run of
    // repeated keys of any length: expected_for builds it from the grab.
    bool expect_screen(const std::function<expected_screen(const decoded_screen&)>& expected_for,
                       std::chrono::milliseconds timeout = screen_wait);
    std::optional<decoded_screen> screen();
    std::optional<picture> grab();

    bool type(std::string_view text) { return type_text(display_, text); }
    bool press(const std::vector<std::string>& keys) { return press_keys(display_, keys); }
    void close_box() { send_close_request(display_.connection(), window_); }

    // The game's exit status, or nothing while it still runs.
    std::optional<int> wait_exit(std::chrono::milliseconds timeout = exit_wait) {
        return game_.wait_exit(timeout);
    }
    bool window_gone() {
        return wait_for_window_gone(display_.connection(), game_title, exit_wait);
    }
    bool window_exists() { return find_window(display_.connection(), game_title) != no_window; }

    // Saves the window as <name>.png in the folder RAETSEL_SCREENSHOTS
    // names, when it is set.
    void screenshot(std::string_view name);

    x_display& display() { return display_; }
    x_window window() const { return window_; }

  private:
    void report_failure(const expected_screen& expected, const std::optional<picture>& image,
                        const std::string& difference);

    x_display display_;
    child_process game_;
    x_window window_ = no_window;
};

// Plays the greeting away: the greeting is shown, a key goes on to level 1.
bool pass_greeting(game_session& session);
// Answers levels 1 up to last right, from the level-1 clue on, and presses a
// key after each praise; the clue of last + 1 is then on the screen.
bool play_right_up_to(game_session& session, int last);

// From the start to the clue of level n, answering every level before it
// right.
bool reach_level(game_session& session, int level);
// A key press at the game's last wait: the game ends with status 0 and its
// window goes.
void expect_end_after_key(game_session& session);

// The right answers, as typed on the keyboard.
inline constexpr std::string_view right_answer_1 = "7";
inline constexpr std::string_view right_answer_2 = "WORMS";
inline constexpr std::string_view right_answer_3 = "DIV";
// Level 4: '#' and two black squares, which xdotool types as U25A0.
inline const std::string right_answer_4_bytes = "#\xFE\xFE";

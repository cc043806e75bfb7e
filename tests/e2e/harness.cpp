#include "e2e/harness.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

namespace {

constexpr auto poll_interval = std::chrono::milliseconds(20);

environment_changes game_environment(const x_display& display, const game_options& options) {
    environment_changes environment = display.environment();
    environment.emplace_back("QZGFX", std::nullopt);
    environment.emplace_back("SDL_AUDIODRIVER", "dummy");
    for (const auto& change : options.environment) {
        std::erase_if(environment, [&](const auto& c) { return c.first == change.first; });
        environment.push_back(change);
    }
    return environment;
}

child_process start_game(const x_display& display, const game_options& options) {
    spawn_options spawn;
    spawn.environment = game_environment(display, options);
    return child_process({RAETSEL_BINARY}, spawn);
}

// Types a right answer of a level and presses Enter.
bool type_right_answer(game_session& session, int level) {
    switch (level) {
    case 1: return session.type(right_answer_1) && session.press({"Return"});
    case 2: return session.type(right_answer_2) && session.press({"Return"});
    case 3: return session.type(right_answer_3) && session.press({"Return"});
    default: return session.type("#") && session.press({"U25A0", "U25A0", "Return"});
    }
}

std::string_view right_answer_bytes(int level) {
    switch (level) {
    case 1: return right_answer_1;
    case 2: return right_answer_2;
    case 3: return right_answer_3;
    default: return right_answer_4_bytes;
    }
}

} // namespace

game_session::game_session(const game_options& options) : display_(options.display) {
    if (!display_.ready()) {
        ADD_FAILURE() << "no X display: " << display_.error();
        return;
    }
    game_ = start_game(display_, options);
    std::optional<x_window> window =
        wait_for_window(display_.connection(), game_title, window_wait);
    if (!window) {
        std::optional<int> status = game_.wait_exit(std::chrono::milliseconds(0));
        ADD_FAILURE() << "no window titled \"" << game_title << "\" appeared; the game "
                      << (status ? "ended with status " + std::to_string(*status)
                                 : std::string("still runs"));
        return;
    }
    auto [width, height] = window_size(display_.connection(), *window);
    if (width != screen_width || height != screen_height) {
        ADD_FAILURE() << "the client area is " << width << " x " << height << ", not "
                      << screen_width << " x " << screen_height;
        return;
    }
    if (!focus_window(display_, *window)) ADD_FAILURE() << "cannot focus the game's window";
    window_ = *window;
}

std::optional<picture> game_session::grab() {
    if (window_ == no_window) return std::nullopt;
    return grab_window(display_.connection(), window_, screen_width, screen_height);
}

std::optional<decoded_screen> game_session::screen() {
    std::optional<picture> image = grab();
    if (!image) return std::nullopt;
    return decode_screen(*image);
}

bool game_session::expect_screen(const expected_screen& expected,
                                 std::chrono::milliseconds timeout) {
    return expect_screen([&](const decoded_screen&) { return expected; }, timeout);
}

bool game_session::expect_screen(
    const std::function<expected_screen(const decoded_screen&)>& expected_for,
    std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    std::optional<picture> image;
    expected_screen expected;
    std::string difference = "the window could not be grabbed\n";
    for (;;) {
        image = grab();
        if (image) {
            decoded_screen decoded = decode_screen(*image);
            expected = expected_for(decoded);
            difference = screen_difference(expected, decoded);
        }
        if (difference.empty()) return true;
        if (std::chrono::steady_clock::now() >= deadline || !game_.running()) break;
        std::this_thread::sleep_for(poll_interval);
    }
    report_failure(expected, image, difference);
    return false;
}

void game_session::report_failure(const expected_screen& expected,
                                  const std::optional<picture>& image,
                                  const std::string& difference) {
    std::string report = "the window does not show the expected screen:\n" + difference;
    if (std::optional<int> status = game_.wait_exit(std::chrono::milliseconds(0)))
        report += "the game has ended with status " + std::to_string(*status) + "\n";
    report += "expected rows: " + save_artefact("expected.txt", readable_screen(expected)).string();
    if (image) {
        report += "\ndecoded rows: " +
                  save_artefact("decoded.txt", readable_screen(decode_screen(*image))).string();
        std::filesystem::path png = artefact_folder() / "screen.png";
        if (save_png(*image, png)) report += "\npicture: " + png.string();
    }
    ADD_FAILURE() << report;
}

void game_session::screenshot(std::string_view name) {
    const char* folder = std::getenv("RAETSEL_SCREENSHOTS");
    if (!folder || !*folder) return;
    std::optional<picture> image = grab();
    std::filesystem::path png = std::filesystem::path(folder) / (std::string(name) + ".png");
    std::filesystem::create_directories(png.parent_path());
    if (!image || !save_png(*image, png)) ADD_FAILURE() << "cannot save " << png;
}

bool pass_greeting(game_session& session) {
    return session.ready() && session.expect_screen(greeting().screen()) &&
           session.press({"Return"}) && session.expect_screen(level_clue(1).editing("").screen());
}

bool play_right_up_to(game_session& session, int last) {
    for (int level = 1; level <= last; ++level) {
        if (!type_right_answer(session, level)) return false;
        screen_builder praised = level_clue(level);
        praised.answered(right_answer_bytes(level)).line(praise_after_level(level));
        if (!session.expect_screen(praised.screen())) return false;
        if (level == 4) return true;
        if (!session.press({"Return"}) ||
            !session.expect_screen(level_clue(level + 1).editing("").screen()))
            return false;
    }
    return true;
}

bool reach_level(game_session& session, int level) {
    return pass_greeting(session) && play_right_up_to(session, level - 1);
}

void expect_end_after_key(game_session& session) {
    ASSERT_TRUE(session.press({"Return"}));
    EXPECT_EQ(session.wait_exit(), 0);
    EXPECT_TRUE(session.window_gone());
}

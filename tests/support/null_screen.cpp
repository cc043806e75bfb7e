#include "support/null_screen.hpp"

#include "console/window/platform.hpp"
#include "console/window/screen_state.hpp"

#include <cstdlib>
#include <stdexcept>

std::deque<std::function<void()>> key_script;
std::vector<std::pair<std::int32_t, std::int32_t>> tones_played;

namespace {

void scripted_sleep(std::int32_t) {
    if (key_script.empty())
        throw std::runtime_error("the console waits for a key the test never gives");
    auto step = std::move(key_script.front());
    key_script.pop_front();
    step();
}

void recorded_tone(std::int32_t hertz, std::int32_t milliseconds) {
    tones_played.emplace_back(hertz, milliseconds);
}

} // namespace

void null_screen::SetUp() {
    setenv("QZGFX", "null", 1);
    key_script.clear();
    tones_played.clear();
    set_sleep_hook(scripted_sleep);
    set_tone_hook(recorded_tone);
    ASSERT_EQ(screen_open(500, 400, 32, 0, 0, 0), 0);
}

void null_screen::TearDown() {
    screen_close();
    set_sleep_hook(nullptr);
    set_tone_hook(nullptr);
}

std::string null_screen::row(int r) {
    const screen_state* s = current_screen();
    std::string text;
    for (int c = 0; c < s->text_columns; ++c)
        text += static_cast<char>(s->text_grids[0][(r - 1) * s->text_columns + c].character);
    return text;
}

std::vector<std::string> null_screen::screen_rows() {
    return null_screen_rows();
}

std::vector<std::string> null_screen_rows() {
    std::vector<std::string> rows;
    for (int r = 1; r <= current_screen()->text_rows; ++r)
        rows.push_back(trimmed(null_screen::row(r)));
    return rows;
}

std::uint32_t null_screen::pixel(int x, int y) {
    const screen_state* s = current_screen();
    return s->page_table[0][y * s->width + x];
}

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

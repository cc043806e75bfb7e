// The game's own window on a real X server: its geometry, full screen,
// minimising, the back-end passes, the fall-back to the terminal, and the
// ways the process ends.
#include "e2e/harness.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
// Xlib's macros that the test framework's expansions trip over.
#undef Bool
#undef Status
#undef None

#include <csignal>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

constexpr auto settle_wait = std::chrono::seconds(8);

// Polls until check holds or settle_wait passes; whether it held.
template <typename F>
bool eventually(F check) {
    auto deadline = std::chrono::steady_clock::now() + settle_wait;
    while (!check()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

struct geometry {
    int x = 0, y = 0, width = 0, height = 0;      // of the client area, on the root window
    int left = 0, right = 0, top = 0, bottom = 0; // the frame around it
};

std::vector<long> cardinals(Display* display, Window window, const char* name) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    Atom property = XInternAtom(display, name, False);
    if (XGetWindowProperty(display, window, property, 0, 16, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 32)
        values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
    if (data) XFree(data);
    return values;
}

geometry geometry_of(Display* display, Window window) {
    geometry g;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) return g;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &g.x, &g.y, &child);
    g.width = attributes.width;
    g.height = attributes.height;
    std::vector<long> frame = cardinals(display, window, "_NET_FRAME_EXTENTS");
    if (frame.size() == 4) {
        g.left = static_cast<int>(frame[0]);
        g.right = static_cast<int>(frame[1]);
        g.top = static_cast<int>(frame[2]);
        g.bottom = static_cast<int>(frame[3]);
    }
    return g;
}

std::pair<int, int> display_size(Display* display) {
    return {DisplayWidth(display, DefaultScreen(display)),
            DisplayHeight(display, DefaultScreen(display))};
}

// The window with its frame stands in the middle of the display, to the
// pixel that halving leaves over.
bool centred(Display* display, const geometry& g) {
    auto [width, height] = display_size(display);
    int outer_x = g.x - g.left, outer_y = g.y - g.top;
    int outer_width = g.width + g.left + g.right, outer_height = g.height + g.top + g.bottom;
    return std::abs(outer_x - (width - outer_width) / 2) <= 1 &&
           std::abs(outer_y - (height - outer_height) / 2) <= 1;
}

bool windowed_and_centred(game_session& session) {
    Display* display = session.display().connection();
    geometry g = geometry_of(display, session.window());
    return g.width == screen_width && g.height == screen_height && centred(display, g);
}

std::string describe(const geometry& g) {
    return std::to_string(g.width) + " x " + std::to_string(g.height) + " at " +
           std::to_string(g.x) + ", " + std::to_string(g.y) + ", frame " + std::to_string(g.left) +
           "/" + std::to_string(g.right) + "/" + std::to_string(g.top) + "/" +
           std::to_string(g.bottom);
}

class with_and_without_window_manager : public ::testing::TestWithParam<bool> {
  protected:
    game_options options() const {
        game_options o;
        o.display.window_manager = GetParam();
        return o;
    }
};

std::string manager_name(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "openbox" : "no_window_manager";
}

TEST_P(with_and_without_window_manager, the_window_is_500_by_400_centred_and_black_but_for_text) {
    game_session session(options());
    ASSERT_TRUE(session.ready()); // found by its title, with a 500 x 400 client area
    Display* display = session.display().connection();
    EXPECT_TRUE(eventually([&] { return windowed_and_centred(session); }))
        << describe(geometry_of(display, session.window()));
    // The whole screen compared: stray colours and lit pixels in the strip
    // right of the last column count as differences.
    EXPECT_TRUE(session.expect_screen(greeting().screen()));
}

// The picture as the full-screen window shows it: at a whole scale,
// centred, every pixel of a cell's block alike, black around.
struct full_screen_view {
    picture inner;
    int scale = 0;
    int stray_outside = 0;
    int blurred = 0;
};

std::optional<full_screen_view> view_full_screen(Display* display, Window window) {
    auto [width, height] = display_size(display);
    std::optional<picture> whole = grab_window(display, window, width, height);
    if (!whole) return std::nullopt;
    full_screen_view view;
    view.scale = std::min(width / screen_width, height / screen_height);
    int left = (width - screen_width * view.scale) / 2;
    int top = (height - screen_height * view.scale) / 2;
    view.inner = blank_picture(screen_width, screen_height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int px = (x - left) / view.scale, py = (y - top) / view.scale;
            bool inside = x >= left && y >= top && px < screen_width && py < screen_height;
            std::uint32_t pixel = whole->at(x, y);
            if (!inside) {
                view.stray_outside += pixel != black;
            } else if ((x - left) % view.scale == 0 && (y - top) % view.scale == 0) {
                view.inner.at(px, py) = pixel;
            } else {
                view.blurred += pixel != whole->at(left + px * view.scale, top + py * view.scale);
            }
        }
    return view;
}

bool shows_full_screen(Display* display, Window window) {
    auto [width, height] = display_size(display);
    geometry g = geometry_of(display, window);
    return g.x == 0 && g.y == 0 && g.width == width && g.height == height;
}

TEST_P(with_and_without_window_manager, alt_enter_goes_full_screen_and_back) {
    game_session session(options());
    ASSERT_TRUE(session.ready());
    ASSERT_TRUE(session.expect_screen(greeting().screen()));
    Display* display = session.display().connection();

    ASSERT_TRUE(session.press({"alt+Return"}));
    ASSERT_TRUE(eventually([&] { return shows_full_screen(display, session.window()); }))
        << describe(geometry_of(display, session.window()));
    std::optional<full_screen_view> view;
    std::string difference;
    bool shown = eventually([&] {
        view = view_full_screen(display, session.window());
        if (!view) return false;
        difference = screen_difference(greeting().screen(), decode_screen(view->inner));
        return difference.empty() && view->stray_outside == 0 && view->blurred == 0;
    });
    session.screenshot("full_screen");
    ASSERT_TRUE(view);
    EXPECT_TRUE(shown) << difference << view->stray_outside << " lit pixels around the picture, "
                       << view->blurred << " unlike their block at scale " << view->scale;

    ASSERT_TRUE(session.press({"alt+Return"}));
    EXPECT_TRUE(eventually([&] { return windowed_and_centred(session); }))
        << describe(geometry_of(display, session.window()));
    EXPECT_TRUE(session.expect_screen(greeting().screen()));
    // Alt+Enter is no key for the game: the greeting still waits.
    ASSERT_TRUE(session.press({"Return"}));
    EXPECT_TRUE(session.expect_screen(level_clue(1).editing("").screen()));
}

INSTANTIATE_TEST_SUITE_P(window, with_and_without_window_manager, ::testing::Bool(), manager_name);

TEST(window, minimising_and_restoring_shows_the_whole_picture_again) {
    game_options options;
    options.display.window_manager = true;
    game_session session(options);
    ASSERT_TRUE(session.ready());
    ASSERT_TRUE(pass_greeting(session));
    ASSERT_TRUE(session.type("WOR"));
    std::string id = std::to_string(session.window());
    ASSERT_EQ(session.display().run({"xdotool", "windowminimize", "--sync", id}), 0);
    ASSERT_EQ(session.display().run({"xdotool", "windowactivate", "--sync", id}), 0);
    EXPECT_TRUE(session.expect_screen(level_clue(1).editing("WOR").screen()));
}

// The process id the window was made by.
int window_pid(Display* display, Window window) {
    std::vector<long> pid = cardinals(display, window, "_NET_WM_PID");
    return pid.size() == 1 ? static_cast<int>(pid[0]) : -1;
}

TEST(window, sigterm_ends_the_game_and_its_window) {
    game_session session;
    ASSERT_TRUE(session.ready());
    ASSERT_TRUE(session.expect_screen(greeting().screen()));
    int pid = window_pid(session.display().connection(), session.window());
    ASSERT_GT(pid, 0);
    ASSERT_EQ(kill(pid, SIGTERM), 0);
    EXPECT_EQ(session.wait_exit(), 128 + SIGTERM);
    EXPECT_TRUE(session.window_gone());
}

TEST(window, losing_the_x_connection_ends_the_game_without_a_hang) {
    game_session session;
    ASSERT_TRUE(session.ready());
    ASSERT_TRUE(session.expect_screen(greeting().screen()));
    Display* display = session.display().connection();
    // What the game sees when the server goes: its connection closed.
    XKillClient(display, session.window());
    XSync(display, False);
    EXPECT_EQ(session.wait_exit(), 1);
}

struct qzgfx_case {
    const char* name;
    const char* value;
};

class qzgfx_naming_another_back_end : public ::testing::TestWithParam<qzgfx_case> {};

TEST_P(qzgfx_naming_another_back_end, still_opens_the_x_window) {
    game_options options;
    options.environment = {{"QZGFX", GetParam().value}};
    game_session session(options);
    ASSERT_TRUE(session.ready());
    EXPECT_TRUE(session.expect_screen(greeting().screen()));
}

INSTANTIATE_TEST_SUITE_P(window, qzgfx_naming_another_back_end,
                         ::testing::Values(qzgfx_case{"wayland", "wayland"},
                                           qzgfx_case{"kmsdrm_upper_case", "KMSDRM"},
                                           qzgfx_case{"x11_upper_case", "X11"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(window, qzgfx_null_keeps_the_screen_in_memory_with_no_window) {
    x_display display;
    ASSERT_TRUE(display.ready()) << display.error();
    spawn_options spawn;
    spawn.environment = display.environment();
    spawn.environment.emplace_back("QZGFX", "Null");
    spawn.quiet = true;
    child_process game({RAETSEL_BINARY}, spawn);
    // It waits for a key no one can press: still running, and windowless.
    EXPECT_FALSE(wait_for_window(display.connection(), game_title, std::chrono::seconds(2)));
    EXPECT_TRUE(game.running());
}

std::string file_text(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(window, without_a_display_the_game_plays_in_the_terminal) {
    std::filesystem::path out = artefact_folder() / "terminal.txt";
    spawn_options spawn;
    spawn.environment = {
        {"DISPLAY", std::nullopt}, {"WAYLAND_DISPLAY", std::nullopt}, {"QZGFX", std::nullopt}};
    // Standard input at its end: the greeting's key wait ends the game.
    std::optional<int> status = run_command(
        {"sh", "-c", std::string("exec \"$0\" > \"$1\" 2>&1"), RAETSEL_BINARY, out.string()},
        spawn);
    EXPECT_EQ(status, 0) << file_text(out);
    EXPECT_NE(file_text(out).find("Hallo und herzlich willkommen"), std::string::npos)
        << file_text(out);
}

} // namespace

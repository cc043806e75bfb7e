#include "console/window/sdl_presentation.hpp"

#include "console/keyboard/keyboard.hpp"
#include "console/keyboard/sdl_key_events.hpp"
#include "console/window/screen_state.hpp"
#include "console/window/sdl_picture.hpp"
#include "console/window/sdl_process_setup.hpp"
#include "console/window/title.hpp"
#include "console/window/x11_desktop.hpp"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

namespace {

constexpr std::int32_t flag_full_screen = 1;
constexpr std::int32_t flag_no_switch = 4;
constexpr auto cycle_pause = std::chrono::milliseconds(10);

// The window state: set up by open on the opening thread, then the window
// thread's alone until close has joined it; only running and the mutex are
// shared.
struct window_state {
    std::string title; // UTF-8
    std::int32_t client_width = 0, client_height = 0;
    std::int32_t window_flags = 0;
    std::int32_t refresh_request = 0;
    bool active = false;
    bool focused = false, minimised = false;
    std::atomic<bool> running{false};
    bool saved_screen_saver = true;
    std::thread window_thread;
    std::unique_ptr<std::recursive_mutex> screen_mutex;

    sdl_driver driver{};
    screen_state* screen = nullptr;
    sdl_picture picture;
};

window_state window;

bool full_screen_wanted() {
    return window.window_flags & flag_full_screen;
}

void mark_every_row() {
    std::fill(window.screen->changed_rows.begin(), window.screen->changed_rows.end(), 1);
}

void activation_changed() {
    window.active = window.focused && !window.minimised;
    window.screen->key_states.fill(0);
    mark_every_row();
}

void switch_full_screen() {
    if (window.window_flags & flag_no_switch) return;
    picture_switch_full_screen(window.picture);
    window.window_flags = (window.window_flags & ~flag_full_screen) |
                          (window.picture.full_screen ? flag_full_screen : 0);
    window.active = true;
    mark_every_row();
}

void handle_window_event(const SDL_WindowEvent& e) {
    switch (e.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: window.focused = true; return activation_changed();
    case SDL_WINDOWEVENT_FOCUS_LOST: window.focused = false; return activation_changed();
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN: window.minimised = true; return activation_changed();
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN: window.minimised = false; return activation_changed();
    case SDL_WINDOWEVENT_EXPOSED: return picture_show_all(window.picture);
    case SDL_WINDOWEVENT_SIZE_CHANGED: return picture_show_all(window.picture);
    case SDL_WINDOWEVENT_CLOSE: return on_close_box();
    case SDL_WINDOWEVENT_MAXIMIZED:
        // Only full screen gives the picture more room.
        if (window.active && !window.picture.full_screen) switch_full_screen();
        return;
    default: return;
    }
}

void handle_event(const SDL_Event& e) {
    switch (dispatch_key_event(e)) {
    case key_event_result::handled: return;
    case key_event_result::full_screen_switch:
        if (window.active) switch_full_screen();
        return;
    case key_event_result::not_a_key_event: break;
    }
    if (e.type == SDL_WINDOWEVENT) return handle_window_event(e.window);
    if (e.type == SDL_DISPLAYEVENT) {
        picture_show_all(window.picture);
        mark_every_row();
    }
}

void handle_events() {
    // One pump per cycle; taking the queue out touches no server.
    SDL_PumpEvents();
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) handle_event(e);
}

void present_changed_rows() {
    if (!window.active && window.picture.full_screen) return;
    std::vector<std::uint8_t>& rows = window.screen->changed_rows;
    auto first = std::find_if(rows.begin(), rows.end(), [](std::uint8_t r) { return r != 0; });
    if (first == rows.end()) return;
    auto last = std::find_if(rows.rbegin(), rows.rend(), [](std::uint8_t r) { return r != 0; });
    picture_show_rows(window.picture, static_cast<int>(first - rows.begin()),
                      static_cast<int>(rows.rend() - last) - 1);
    std::fill(first, last.base(), 0);
}

void presentation_cycles() {
    while (window.running.load()) {
        std::this_thread::sleep_for(cycle_pause);
        if (!window.running.load()) return;
        std::lock_guard hold(*window.screen_mutex);
        present_changed_rows();
        if (window.active) refresh_key_states(window.screen->key_states);
        handle_events();
        picture_settle(window.picture);
    }
}

std::int32_t display_refresh_rate() {
    SDL_DisplayMode mode;
    int index = SDL_GetWindowDisplayIndex(window.picture.window);
    if (index < 0 || SDL_GetCurrentDisplayMode(index, &mode) != 0) return 0;
    return mode.refresh_rate;
}

void driver_hints() {
    if (window.driver.software_surface)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    else
        SDL_ResetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION);
}

bool window_up() {
    driver_hints();
    if (SDL_VideoInit(window.driver.name) != 0) return false;
    window.saved_screen_saver = SDL_IsScreenSaverEnabled();
    SDL_DisableScreenSaver();
    picture_request request{window.title.c_str(), window.client_width, window.client_height,
                            window.screen->visible_framebuffer, full_screen_wanted()};
    if (!picture_open(window.picture, request)) {
        if (window.saved_screen_saver) SDL_EnableScreenSaver();
        SDL_VideoQuit();
        return false;
    }
    x11_exit_on_display_loss(window.picture.window);
    SDL_StartTextInput();
    window.screen->refresh_rate = display_refresh_rate();
    window.focused = true;
    window.minimised = false;
    window.active = true;
    mark_every_row();
    return true;
}

void window_down() {
    SDL_StopTextInput();
    x11_exit_on_display_loss_release();
    picture_close(window.picture);
    if (window.saved_screen_saver) SDL_EnableScreenSaver();
    SDL_VideoQuit();
}

void window_thread(std::promise<bool> ready) {
    if (!window_up()) return ready.set_value(false);
    ready.set_value(true);
    presentation_cycles();
    window_down();
}

// SDL keeps per-thread data, its error text among it, that only its own
// threads release when they end.
void window_thread_main(std::promise<bool> ready) {
    window_thread(std::move(ready));
    SDL_TLSCleanup();
}

} // namespace

std::int32_t presentation_open(const sdl_driver& driver, const char* title, std::int32_t width,
                               std::int32_t height, std::int32_t refresh, std::int32_t flags) {
    presentation_close();
    window.screen = current_screen();
    if (!window.screen || !window.screen->visible_framebuffer) return 1;
    sdl_process_setup();
    window.driver = driver;
    window.title = title_as_utf8(title);
    window.client_width = width;
    window.client_height = height;
    window.window_flags = flags;
    window.refresh_request = refresh;
    window.screen_mutex = std::make_unique<std::recursive_mutex>();
    window.running = true;
    std::promise<bool> ready;
    std::future<bool> up = ready.get_future();
    try {
        window.window_thread = std::thread(window_thread_main, std::move(ready));
    } catch (const std::system_error&) {
        return 1;
    }
    return up.get() ? 0 : 1;
}

void presentation_close() {
    window.running = false;
    if (window.window_thread.joinable()) window.window_thread.join();
    window.screen_mutex.reset();
    window.screen = nullptr;
    window.active = false;
}

void presentation_lock() {
    if (window.screen_mutex) window.screen_mutex->lock();
}

void presentation_unlock() {
    if (window.screen_mutex) window.screen_mutex->unlock();
}

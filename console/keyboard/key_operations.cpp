// The key operations of the main thread. Each holds the screen lock for
// one ring access only, so the window thread can store keys meanwhile.
#include "console/keyboard/keyboard.hpp"
#include "console/terminal/terminal.hpp"
#include "console/window/platform.hpp"
#include "console/window/screen_state.hpp"

namespace {

constexpr std::int32_t poll_milliseconds = 20;

std::int32_t take_key_locked() {
    screen_lock();
    std::int32_t code = take_key();
    screen_unlock(1, 0);
    return code;
}

} // namespace

std::int32_t wait_key() {
    if (!current_screen()) return terminal_wait_key();
    for (;;) {
        if (std::int32_t code = take_key_locked()) return code;
        platform_sleep(poll_milliseconds);
    }
}

std::int32_t key_available() {
    if (!current_screen()) return terminal_key_available();
    screen_lock();
    bool waiting = !key_ring_empty();
    screen_unlock(1, 0);
    return waiting ? 1 : 0;
}

byte_string read_key() {
    if (!current_screen()) return terminal_read_key();
    std::int32_t code = take_key_locked();
    if (code == 0) return {};
    if (code <= 255) return byte_string(1, static_cast<char>(code));
    return {static_cast<char>(255), static_cast<char>((code >> 8) & 0xFF)};
}

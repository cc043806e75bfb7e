#include "console/terminal/key_reading.hpp"

#include "console/terminal/key_decoding.hpp"
#include "console/terminal/output.hpp"
#include "console/terminal/terminal.hpp"
#include "console/terminal/terminal_mode.hpp"
#include "console/terminal/terminal_signals.hpp"
#include "console/terminal/utf8.hpp"

#include <array>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace {

// How long the rest of an escape sequence may take before a lone Esc counts
// as the Esc key.
constexpr int escape_wait_ms = 100;

struct terminal_input {
    std::string pending;
    bool ended = false;
    bool change_noted = false;
    // A key wait took a carriage return; a line feed right after it belongs
    // to the same line end.
    bool after_carriage_return = false;
};

terminal_input input;

enum class fill_result { data, timeout, ended };

bool read_some() {
    std::array<char, 4096> buffer;
    for (;;) {
        ssize_t n = read(STDIN_FILENO, buffer.data(), buffer.size());
        if (n > 0) {
            input.pending.append(buffer.data(), static_cast<std::size_t>(n));
            return true;
        }
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        input.ended = true;
        return false;
    }
}

// Waits up to timeout_ms (-1: without end) for more bytes.
fill_result fill(int timeout_ms) {
    if (input.ended) return fill_result::ended;
    std::array<pollfd, 2> fds = {{{STDIN_FILENO, POLLIN, 0}, {terminal_change_fd(), POLLIN, 0}}};
    for (;;) {
        int ready = poll(fds.data(), fds[1].fd >= 0 ? 2 : 1, timeout_ms);
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) return fill_result::timeout;
        if (fds[1].revents && terminal_changed()) input.change_noted = true;
        if (ready < 0 || fds[0].revents)
            return read_some() ? fill_result::data : fill_result::ended;
        if (!input.change_noted) continue;
        return fill_result::timeout;
    }
}

decoded_key decode_pending() {
    decoded_key key = decode_terminal_key(input.pending, false);
    if (key.used == 0 && fill(escape_wait_ms) != fill_result::data)
        key = decode_terminal_key(input.pending, true);
    return key;
}

void drop_line_feed_after_key() {
    if (!input.after_carriage_return || input.pending.empty()) return;
    if (input.pending.front() == '\n') input.pending.erase(0, 1);
    input.after_carriage_return = false;
}

char next_byte() {
    for (;;) {
        drop_line_feed_after_key();
        if (!input.pending.empty()) break;
        if (fill(-1) == fill_result::ended) end_of_input();
    }
    char b = input.pending.front();
    input.pending.erase(0, 1);
    return b;
}

std::int32_t next_piped_key() {
    for (;;) {
        char b = next_byte();
        input.after_carriage_return = b == '\r';
        if (b != 0) return static_cast<unsigned char>(b);
    }
}

bool key_waiting() {
    if (!input.pending.empty() || input.ended) return true;
    pollfd fd = {STDIN_FILENO, POLLIN, 0};
    return poll(&fd, 1, 0) > 0;
}

} // namespace

std::int32_t next_terminal_key(bool wait) {
    terminal_mode_keys();
    terminal_flush();
    for (;;) {
        if (input.change_noted) {
            input.change_noted = false;
            if (wait) return terminal_change_key;
        }
        if (input.pending.empty()) {
            if (!wait && !key_waiting()) return 0;
            if (fill(-1) == fill_result::ended) end_of_input();
            continue;
        }
        decoded_key key = decode_pending();
        input.pending.erase(0, key.used);
        if (key.code != 0) return key.code;
    }
}

byte_string read_plain_line() {
    if (input_is_terminal()) terminal_mode_lines();
    terminal_flush();
    std::size_t end = std::string::npos;
    for (;;) {
        drop_line_feed_after_key();
        end = input.pending.find('\n');
        if (end != std::string::npos) break;
        if (fill(-1) != fill_result::ended) continue;
        if (input.pending.empty()) end_of_input();
        break;
    }
    std::string line = input.pending.substr(0, end);
    input.pending.erase(0, end == std::string::npos ? end : end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return utf8_to_cp437(line);
}

void end_of_input() {
    terminal_end_row();
    program_end(0);
}

std::int32_t terminal_wait_key() {
    terminal_flush();
    if (!input_is_terminal()) return next_piped_key();
    for (;;) {
        std::int32_t key = next_terminal_key(true);
        if (key > 0) return key;
    }
}

std::int32_t terminal_key_available() {
    if (input_is_terminal()) terminal_mode_keys();
    return key_waiting() ? 1 : 0;
}

byte_string terminal_read_key() {
    if (!key_waiting()) return {};
    std::int32_t key = input_is_terminal() ? next_terminal_key(false) : next_piped_key();
    if (key <= 0) return {};
    if (key < 256) return byte_string(1, static_cast<char>(key));
    return {static_cast<char>(0xFF), static_cast<char>(key >> 8)};
}

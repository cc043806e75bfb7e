#include "console/terminal/output.hpp"

#include "console/terminal/terminal.hpp"
#include "console/terminal/utf8.hpp"

#include <algorithm>
#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

struct terminal_output {
    std::int32_t column = 0;
};

terminal_output output;

bool passes_as_control(char b) {
    return b == '\r' || b == '\n' || b == '\t' || b == '\b' || b == '\a';
}

std::int32_t column_after(std::int32_t column, char b) {
    switch (b) {
    case '\r':
    case '\n': return 0;
    case '\b': return std::max(column - 1, 0);
    case '\t': return (column / 8 + 1) * 8;
    case '\a': return column;
    default: return column + 1;
    }
}

} // namespace

std::string terminal_text(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t n = 0; n < bytes.size();) {
        if (passes_as_control(bytes[n])) {
            out += bytes[n++];
            continue;
        }
        std::size_t run = n;
        while (run < bytes.size() && !passes_as_control(bytes[run])) ++run;
        out += cp437_to_utf8(bytes.substr(n, run - n));
        n = run;
    }
    return out;
}

void terminal_write(const char* bytes, std::int32_t length) {
    if (length <= 0) return;
    std::string_view view(bytes, static_cast<std::size_t>(length));
    terminal_put(terminal_text(view));
    for (char b : view) output.column = column_after(output.column, b);
}

void terminal_clear() {
    if (!output_is_terminal()) return;
    terminal_put("\x1b[H\x1b[2J");
    output.column = 0;
}

void terminal_put(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void terminal_flush() {
    std::fflush(stdout);
}

std::int32_t terminal_column() {
    return output.column;
}

void terminal_set_column(std::int32_t column) {
    output.column = column;
}

void terminal_end_row() {
    if (output.column != 0) terminal_write("\r\n", 2);
}

bool output_is_terminal() {
    return isatty(STDOUT_FILENO) == 1;
}

std::int32_t terminal_width() {
    for (int fd : {STDOUT_FILENO, STDIN_FILENO}) {
        winsize size{};
        if (ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    }
    return 80;
}

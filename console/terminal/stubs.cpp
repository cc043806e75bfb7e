// Placeholders until the terminal console lands; removed with it.
#include "console/terminal/terminal.hpp"

#include <cstdio>

void terminal_write(const char* bytes, std::int32_t length) {
    std::fwrite(bytes, 1, static_cast<std::size_t>(length), stdout);
}
void terminal_clear() {}
std::int32_t terminal_wait_key() {
    return std::getchar() == EOF ? 0 : 13;
}
std::int32_t terminal_input_begin(const std::optional<byte_string>&, std::int32_t, std::int32_t) {
    return 0;
}
std::int32_t terminal_key_available() { return 0; }
byte_string terminal_read_key() { return {}; }

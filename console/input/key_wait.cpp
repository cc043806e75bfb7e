#include "console/input/line_edit.hpp"
#include "console/keyboard/keyboard.hpp"
#include "console/window/platform.hpp"

namespace {
constexpr std::int32_t poll_interval_ms = 25;
}

std::int32_t next_key() {
    while (key_available() == 0) platform_sleep(poll_interval_ms);
    return key_code_of(read_key());
}

std::int32_t key_code_of(const byte_string& form) {
    const auto byte = [&form](std::size_t i) { return static_cast<unsigned char>(form[i]); };
    if (form.size() == 1) return byte(0);
    if (form.size() == 2 && byte(0) == 255) return extended_key(byte(1));
    return 0;
}

// The bytes a terminal sends for key presses, as key codes of the keyboard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct decoded_key {
    std::int32_t code = 0; // 0: the bytes stand for no key
    std::size_t used = 0;  // 0: more bytes must come to tell
};

// The first key of bytes. complete: no more bytes are on their way, so an
// Esc that no sequence follows is the Esc key itself.
decoded_key decode_terminal_key(std::string_view bytes, bool complete);

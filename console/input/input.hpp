// The line input: the last typed line and the items taken from it.
#pragma once

#include "console/console.hpp"

#include <cstdint>
#include <optional>

struct input_state {
    byte_string line;
    std::int32_t read_pos = 0;
};

inline constexpr std::int32_t item_limit = 4096;

input_state& current_input_state();

// Edits one line on the graphics screen until Enter or line feed.
std::optional<byte_string> edit_line();

// Takes the next item of state.line from read_pos on.
byte_string take_item(input_state& state);

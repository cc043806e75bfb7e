#include "console/input/input.hpp"
#include "console/terminal/terminal.hpp"
#include "console/text/text.hpp"
#include "console/window/screen_state.hpp"

namespace {
constexpr std::int32_t status_no_memory = 4;
}

std::int32_t input_begin(const std::optional<byte_string>& prompt, std::int32_t add_question,
                         std::int32_t add_newline) {
    input_state& state = current_input_state();
    state = input_state{};
    if (!current_screen()) return terminal_input_begin(prompt, add_question, add_newline);

    // Carried out now, so that the prompt starts on the new row.
    console_write("", 0, write_carry_wrap);
    if (prompt) {
        if (!prompt->empty()) print_text(*prompt, 0);
        if (add_question != 0) print_text("? ", 0);
    }
    std::optional<byte_string> text = edit_line();
    if (add_newline != 0) print_text(byte_string(), print_line_break);
    if (!text) return status_no_memory;
    state.line = std::move(*text);
    return 0;
}

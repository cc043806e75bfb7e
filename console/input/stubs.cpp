// Placeholders until line input lands; removed with it.
#include "console/input/input.hpp"
#include "console/terminal/terminal.hpp"
#include "console/window/screen_state.hpp"

input_state& current_input_state() {
    static input_state state;
    return state;
}
std::optional<byte_string> edit_line() {
    return byte_string();
}
byte_string take_item(input_state&) {
    return {};
}
std::int32_t input_begin(const std::optional<byte_string>& prompt, std::int32_t add_question,
                         std::int32_t add_newline) {
    if (!current_screen()) return terminal_input_begin(prompt, add_question, add_newline);
    return 0;
}
std::int32_t input_take_string(byte_string& destination) {
    destination = take_item(current_input_state());
    return 0;
}

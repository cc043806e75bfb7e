#include "console/input/input.hpp"
#include "console/terminal/key_reading.hpp"
#include "console/terminal/line_editor.hpp"
#include "console/terminal/output.hpp"
#include "console/terminal/terminal.hpp"
#include "console/terminal/terminal_mode.hpp"

#include <new>

namespace {

void fit_to_width(line_editor& editor) {
    if (editor_resize(editor, terminal_width())) terminal_put("\r\n");
}

byte_string edited_line(const byte_string& prompt) {
    line_editor editor = line_editor_for(prompt, terminal_column(), terminal_width());
    fit_to_width(editor);
    for (;;) {
        if (editor.bell) terminal_put("\a");
        editor.bell = false;
        terminal_put(editor_drawing(editor));
        if (editor.finished) break;
        std::int32_t key = next_terminal_key(true);
        if (key == terminal_change_key)
            fit_to_width(editor);
        else
            editor_apply_key(editor, key);
        if (editor.input_ended) end_of_input();
    }
    terminal_set_column(editor_text_column(editor) +
                        static_cast<std::int32_t>(editor.index - editor.offset));
    return std::move(editor.text);
}

// A line from a pipe or a file is echoed, so that it stands after the prompt
// as if typed; a terminal has shown it already.
byte_string plain_line() {
    byte_string line = read_plain_line();
    if (!input_is_terminal()) terminal_write(line.data(), static_cast<std::int32_t>(line.size()));
    return line;
}

byte_string shown_prompt(const std::optional<byte_string>& prompt, std::int32_t add_question) {
    if (!prompt) return {};
    return add_question ? *prompt + "? " : *prompt;
}

} // namespace

std::int32_t terminal_input_begin(const std::optional<byte_string>& prompt,
                                  std::int32_t add_question, std::int32_t add_newline) {
    input_state& state = current_input_state();
    state.line.clear();
    state.read_pos = 0;
    std::int32_t status = 0;
    try {
        byte_string shown = shown_prompt(prompt, add_question);
        terminal_write(shown.data(), static_cast<std::int32_t>(shown.size()));
        bool editing = input_is_terminal() && output_is_terminal();
        state.line = editing ? edited_line(shown) : plain_line();
    } catch (const std::bad_alloc&) {
        state.line.clear();
        status = 4;
    }
    if (add_newline) terminal_write("\r\n", 2);
    return status;
}

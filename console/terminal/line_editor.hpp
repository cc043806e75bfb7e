// The line editor on a terminal: one row, scrolled sideways when the line
// is longer than the room after the prompt.
#pragma once

#include "console/console.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

struct line_editor {
    byte_string text;       // code page 437 bytes, 32 to 255
    std::size_t index = 0;  // the typed byte goes before text[index]
    std::size_t offset = 0; // the first byte shown
    byte_string prompt;     // shown from prompt_column on
    std::int32_t prompt_column = 0;
    std::int32_t width = 80;
    bool prompt_shown = true;
    bool finished = false;    // Enter
    bool input_ended = false; // Ctrl+D on an empty line
    bool bell = false;        // a refused key, to be rung once
};

// An editor for a prompt that was printed ending in column end_column
// (counted from 0) of a terminal width columns wide.
line_editor line_editor_for(const byte_string& prompt, std::int32_t end_column, std::int32_t width);

// What a key does to the editor; keys it does not know change nothing.
void editor_apply_key(line_editor& editor, std::int32_t key);

// A new width. Returns whether the editor moved to a fresh row, because the
// room after the prompt got too small.
bool editor_resize(line_editor& editor, std::int32_t width);

// Where the text begins on the row, and how many bytes of it are shown.
std::int32_t editor_text_column(const line_editor& editor);
std::int32_t editor_room(const line_editor& editor);

// The bytes that draw the prompt and the shown part of the text on the
// current row and put the terminal's cursor on the edited byte.
std::string editor_drawing(const line_editor& editor);

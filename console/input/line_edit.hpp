// The state of one line being edited and the steps the editor is made of.
#pragma once

#include "console/console.hpp"

#include <cstddef>
#include <cstdint>

// A text cell, column and row counted from 1.
struct cell {
    std::int32_t column = 1;
    std::int32_t row = 1;
};

struct line_edit {
    byte_string text;        // bytes 32-255 only
    std::size_t index = 0;   // the next byte is inserted before text[index]
    cell cursor;             // the cell showing text[index], or the free cell after the text
    std::int32_t width = 0;  // W: text columns
    std::int32_t height = 0; // H: text rows
    bool done = false;       // Enter or line feed ended the editing
};

// The cursor cell as the text output reports it.
cell current_cell();

// Moves the cursor d cells along the layout from the cell from and returns
// how many cells it really moved. The cell after the bottom row's last one
// scrolls the screen; cells above the top row are out of reach, so such a
// move stops on the top-left cell.
std::int64_t move_cursor(line_edit& e, cell from, std::int64_t d);
// The same from the cursor cell, keeping the index on the cell it lands on.
void move_index(line_edit& e, std::int64_t d);

// Inserts bytes at the index and rewrites the rest of the line after them.
void insert_bytes(line_edit& e, const char* bytes, std::size_t n);
// Deletes n bytes at the index and blanks the cells the line no longer uses.
void delete_bytes(line_edit& e, std::size_t n);

// The mark under the cursor cell, and the cell's byte written back over it.
void draw_cursor_mark(const line_edit& e);
void erase_cursor_mark(const line_edit& e);

// Applies one key code as the key table says.
void apply_key(line_edit& e, std::int32_t key);

// Waits for the next key and returns its code; 0 when the key ring gave
// nothing after all.
std::int32_t next_key();
// A key's string form turned back into its key code.
std::int32_t key_code_of(const byte_string& form);

#include "console/input/line_edit.hpp"
#include "console/text/text.hpp"

// A write of the single byte 255 draws the mark instead of a glyph.
void draw_cursor_mark(const line_edit& e) {
    console_write("\xff", 1, 0);
    cursor_set(e.cursor.row, e.cursor.column);
}

// Redrawing the whole cell wipes the mark; a 255 under the cursor draws it again.
void erase_cursor_mark(const line_edit& e) {
    const char under = e.index < e.text.size() ? e.text[e.index] : ' ';
    console_write(&under, 1, 0);
    cursor_set(e.cursor.row, e.cursor.column);
}

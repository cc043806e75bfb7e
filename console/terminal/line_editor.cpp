#include "console/terminal/line_editor.hpp"

#include "console/terminal/utf8.hpp"

#include <algorithm>
#include <array>

namespace {

// Fewer cells than this after the prompt, and the line starts on a row of
// its own.
constexpr std::int32_t least_room = 8;

std::int32_t length_of(const byte_string& s) {
    return static_cast<std::int32_t>(s.size());
}

void keep_cursor_shown(line_editor& e) {
    auto room = static_cast<std::size_t>(editor_room(e));
    e.offset = std::min(e.offset, e.index);
    if (e.index - e.offset >= room) e.offset = e.index - room + 1;
    std::size_t last_start = e.text.size() + 1 > room ? e.text.size() + 1 - room : 0;
    e.offset = std::min(e.offset, last_start);
}

// Through iterators: insert(index, bytes) trips a false -Wrestrict of GCC 12.
void insert(line_editor& e, const byte_string& bytes) {
    e.text.insert(e.text.begin() + static_cast<std::ptrdiff_t>(e.index), bytes.begin(),
                  bytes.end());
    e.index += bytes.size();
}

void insert_character(line_editor& e, std::int32_t key) {
    insert(e, byte_string(1, static_cast<char>(key)));
}

// Tab stops count from the start of the text, every 8 bytes.
void insert_tab(line_editor& e, std::int32_t) {
    insert(e, byte_string(8 - e.index % 8, ' '));
}

void delete_back(line_editor& e, std::int32_t) {
    if (e.index == 0) return;
    e.text.erase(--e.index, 1);
}

void delete_forward(line_editor& e, std::int32_t) {
    if (e.index == e.text.size()) {
        e.bell = true;
        return;
    }
    e.text.erase(e.index, 1);
}

void clear_line(line_editor& e, std::int32_t) {
    e.text.clear();
    e.index = 0;
}

void end_input_if_empty(line_editor& e, std::int32_t) {
    if (e.text.empty()) e.input_ended = true;
}

void move_home(line_editor& e, std::int32_t) {
    e.index = 0;
}

void move_end(line_editor& e, std::int32_t) {
    e.index = e.text.size();
}

void move_left(line_editor& e, std::int32_t) {
    if (e.index > 0) --e.index;
}

void move_right(line_editor& e, std::int32_t) {
    if (e.index < e.text.size()) ++e.index;
}

void finish(line_editor& e, std::int32_t) {
    e.index = e.text.size();
    e.finished = true;
}

using key_handler = void (*)(line_editor&, std::int32_t);

struct key_binding {
    std::int32_t key;
    key_handler handler;
};

constexpr std::array<key_binding, 12> key_bindings = {{
    {13, finish},
    {10, finish},
    {8, delete_back},
    {9, insert_tab},
    {27, clear_line},
    {21, clear_line},        // Ctrl+U
    {4, end_input_if_empty}, // Ctrl+D
    {0x53FF, delete_forward},
    {0x47FF, move_home},
    {0x4FFF, move_end},
    {0x4BFF, move_left},
    {0x4DFF, move_right},
}};

key_handler handler_for(std::int32_t key) {
    auto it = std::find_if(key_bindings.begin(), key_bindings.end(),
                           [key](const key_binding& b) { return b.key == key; });
    if (it != key_bindings.end()) return it->handler;
    if (key >= 32 && key <= 255) return insert_character;
    return nullptr;
}

std::string move_right_by(std::int32_t cells) {
    if (cells <= 0) return {};
    return "\x1b[" + std::to_string(cells) + "C";
}

} // namespace

line_editor line_editor_for(const byte_string& prompt, std::int32_t end_column,
                            std::int32_t width) {
    line_editor e;
    e.prompt = prompt;
    e.width = std::max(width, 1);
    end_column %= e.width;
    e.prompt_column = std::max(end_column - length_of(prompt), 0);
    return e;
}

void editor_apply_key(line_editor& editor, std::int32_t key) {
    if (key_handler handler = handler_for(key)) handler(editor, key);
    keep_cursor_shown(editor);
}

bool editor_resize(line_editor& editor, std::int32_t width) {
    editor.width = std::max(width, 1);
    bool moved = false;
    editor.prompt_shown = true;
    if (editor.prompt_column > 0 && editor_text_column(editor) + least_room > editor.width) {
        editor.prompt_column = 0;
        moved = true;
    }
    editor.prompt_shown = length_of(editor.prompt) + least_room <= editor.width;
    keep_cursor_shown(editor);
    return moved;
}

std::int32_t editor_text_column(const line_editor& editor) {
    return editor.prompt_column + (editor.prompt_shown ? length_of(editor.prompt) : 0);
}

std::int32_t editor_room(const line_editor& editor) {
    return std::max(editor.width - editor_text_column(editor) - 1, 1);
}

std::string editor_drawing(const line_editor& editor) {
    std::string out = "\r";
    out += move_right_by(editor.prompt_column);
    if (editor.prompt_shown) out += cp437_to_utf8(editor.prompt);
    auto room = static_cast<std::size_t>(editor_room(editor));
    out += cp437_to_utf8(std::string_view(editor.text).substr(editor.offset, room));
    out += "\x1b[K\r";
    auto cursor = static_cast<std::int32_t>(editor.index - editor.offset);
    out += move_right_by(editor_text_column(editor) + cursor);
    return out;
}

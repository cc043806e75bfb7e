#include "e2e/harness/expected_screen.hpp"

#include "riddle/screens.hpp"

#include <stdexcept>

screen_builder& screen_builder::line(std::string_view text) {
    put(text);
    row_ += 1;
    column_ = 0;
    return *this;
}

screen_builder& screen_builder::lines(std::span<const std::string_view> texts) {
    for (std::string_view text : texts) line(text);
    return *this;
}

screen_builder& screen_builder::editing(std::string_view typed,
                                        std::optional<std::size_t> cursor_index) {
    put(answer_prompt);
    cell_position start{column_ + 1, row_ + 1};
    put(typed);
    screen_.cursor = cell_after(start, cursor_index.value_or(typed.size()));
    return *this;
}

screen_builder& screen_builder::answered(std::string_view typed) {
    put(answer_prompt);
    line(typed);
    screen_.cursor.reset();
    return *this;
}

void screen_builder::put(std::string_view text) {
    for (char c : text) {
        if (row_ >= text_rows) throw std::out_of_range("expected screen runs past the bottom row");
        std::string& cells = screen_.rows[static_cast<std::size_t>(row_)];
        cells.resize(static_cast<std::size_t>(column_), ' ');
        cells += c;
        if (++column_ == text_columns) {
            column_ = 0;
            row_ += 1;
        }
    }
}

cell_position screen_builder::cell_after(cell_position start, std::size_t cells) const {
    int index = start.column - 1 + static_cast<int>(cells);
    return {index % text_columns + 1, start.row + index / text_columns};
}

screen_builder greeting() {
    screen_builder screen;
    screen.lines(greeting_screen);
    return screen;
}

screen_builder level_clue(int level) {
    screen_builder screen;
    switch (level) {
    case 1:
        screen.line(blank_line);
        for (char c : level_1_address) screen.line(std::to_string(static_cast<unsigned char>(c)));
        screen.line(empty_line);
        break;
    case 2: screen.lines(level_2_screen); break;
    case 3: screen.lines(level_3_screen); break;
    case 4: screen.lines(level_4_screen); break;
    default: throw std::out_of_range("no such level");
    }
    return screen;
}

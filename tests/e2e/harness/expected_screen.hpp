// The screens the game should show, built line by line from its own texts
// the way its output lays them out: a row is 62 cells wide, a line that
// fills it moves on to the next row at once.
#pragma once

#include "e2e/harness/cell_decode.hpp"

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct expected_screen {
    std::array<std::string, text_rows> rows; // cells past a row's end are blank
    // Where the cursor mark stands; nothing: no mark anywhere.
    std::optional<cell_position> cursor;
};

class screen_builder {
  public:
    // A line printed with its line break.
    screen_builder& line(std::string_view text);
    screen_builder& lines(std::span<const std::string_view> texts);
    // The prompt and a typed answer as the editor shows it while it waits,
    // the cursor mark after the text's byte at cursor_index (the end when
    // none is given).
    screen_builder& editing(std::string_view typed, std::optional<std::size_t> cursor_index = {});
    // The prompt and an answer after Enter: the line break follows it.
    screen_builder& answered(std::string_view typed);

    expected_screen screen() const { return screen_; }

  private:
    void put(std::string_view text);
    cell_position cell_after(cell_position start, std::size_t cells) const;

    expected_screen screen_;
    int row_ = 0;    // from 0
    int column_ = 0; // from 0
};

// The screens of the game, ready for the typed answer.
screen_builder greeting();
// Level n's clue, 1 to 4, on a cleared screen.
screen_builder level_clue(int level);

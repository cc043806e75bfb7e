// The game: greeting, four levels, one answer each, and the end.
#pragma once

#include <cstdint>

// Which level block runs next: 0 while level 1 is played, then 2 to 5.
extern std::int32_t level_number;

// Runs the whole game; ends the process through program_end.
[[noreturn]] void riddle_run();

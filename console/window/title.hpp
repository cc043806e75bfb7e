// The window title: the program's file name without directory and extension.
#pragma once

#include <string>
#include <string_view>

// The title for a program at path: its first 126 bytes, what follows the
// last '/', cut at the last '.'.
std::string title_from_program_path(std::string_view path);

// The title of this process, computed once from the running program.
const std::string& window_title();

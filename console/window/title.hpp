// The window title: the program's file name without directory and extension.
#pragma once

#include <string>
#include <string_view>

// The title for a program at path: its first 126 bytes, what follows the
// last '/', cut at the last '.'.
std::string title_from_program_path(std::string_view path);

// The title of this process, computed once from the running program.
const std::string& window_title();

// A title's bytes as valid UTF-8 for the window system: well-formed UTF-8
// stays, every other byte becomes U+FFFD, and a character that the 126-byte
// cut left unfinished at the end is dropped.
std::string title_as_utf8(std::string_view bytes);

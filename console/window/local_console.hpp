// Whether the game runs at the machine's own screen and keyboard: the only
// place where a full-screen presentation without a desktop may take over.
#pragma once

#include <string_view>

// A Linux virtual console: /dev/tty followed by its number.
bool is_virtual_console(std::string_view terminal);

// Started from a virtual console, not through SSH, with a keyboard device
// that this process can read.
bool on_local_console_with_keyboard();

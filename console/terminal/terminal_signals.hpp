// The signals that concern the terminal. Those that end or stop the process
// give the terminal its original modes first; a resize or a continue is
// noted for the key reader, which redraws what it edits.
#pragma once

void terminal_signals_install();

// Becomes readable when the terminal changed; -1 before the install.
int terminal_change_fd();
// Whether the terminal changed since the last call.
bool terminal_changed();

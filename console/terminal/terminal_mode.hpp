// The modes of the terminal on standard input: saved once, raw while the
// game reads keys, and the original modes back on every way out.
#pragma once

bool input_is_terminal();

// Raw modes for reading keys: no echo, no line buffering, Ctrl+C still a
// signal. The first call saves the original modes and arranges that they
// come back at exit and on the signals that end or stop the process.
void terminal_mode_keys();
// The original modes, for a line the terminal itself edits.
void terminal_mode_lines();

// Async-signal-safe: the original modes now, and the wanted ones again
// after a stop. Both act only while the process owns the terminal.
void terminal_mode_leave();
void terminal_mode_resume();

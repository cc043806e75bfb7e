// The game and the tools the tests drive, run as child processes.
#pragma once

#include <string>
#include <vector>

struct process_result {
    std::string output; // standard output
    int status = -1;    // exit status, 128 + the signal for one a signal ended
};

// The environment of this process without the variables that would give
// the game a window or tell tmux it runs inside another, plus extra
// "NAME=VALUE" entries.
std::vector<std::string> terminal_environment(const std::vector<std::string>& extra = {});

// Runs argv (a program searched in PATH) in terminal_environment(extra) to
// its end, with input on a pipe as its standard input. A child still
// running after a generous deadline is killed.
process_result run_process(const std::vector<std::string>& argv, const std::string& input,
                           const std::vector<std::string>& extra = {});
// The same with the file at path as standard input.
process_result run_process_reading(const std::vector<std::string>& argv, const char* path);

// The game fed input through a pipe.
process_result play_piped(const std::string& input);

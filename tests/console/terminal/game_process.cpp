#include "game_process.hpp"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr auto deadline_after = std::chrono::seconds(60);

std::vector<char*> pointers_to(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

bool removed(const std::string& entry) {
    for (const char* name : {"DISPLAY=", "WAYLAND_DISPLAY=", "QZGFX=", "TMUX="})
        if (entry.starts_with(name)) return true;
    return false;
}

// The pipe is filled before the child starts, so no write can block.
int stdin_pipe_holding(const std::string& input) {
    std::array<int, 2> fds{};
    if (pipe2(fds.data(), O_CLOEXEC) != 0) return -1;
    EXPECT_LT(input.size(), 60000u) << "the input must fit into the pipe";
    EXPECT_EQ(write(fds[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    close(fds[1]);
    return fds[0];
}

std::string read_until_end(int fd, pid_t child) {
    std::string output;
    auto deadline = std::chrono::steady_clock::now() + deadline_after;
    std::array<char, 4096> buffer;
    for (;;) {
        pollfd p = {fd, POLLIN, 0};
        if (poll(&p, 1, 1000) == 0) {
            if (std::chrono::steady_clock::now() < deadline) continue;
            ADD_FAILURE() << "the child never ended; killed";
            kill(child, SIGKILL);
        }
        ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n <= 0) return output;
        output.append(buffer.data(), static_cast<std::size_t>(n));
    }
}

int exit_status(pid_t child) {
    int status = 0;
    if (waitpid(child, &status, 0) != child) return -1;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

} // namespace

std::vector<std::string> terminal_environment(const std::vector<std::string>& extra) {
    auto set_by_extra = [&extra](const std::string& entry) {
        std::string name = entry.substr(0, entry.find('=') + 1);
        for (const std::string& e : extra)
            if (e.starts_with(name)) return true;
        return false;
    };
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry)
        if (!removed(*entry) && !set_by_extra(*entry)) result.emplace_back(*entry);
    result.insert(result.end(), extra.begin(), extra.end());
    return result;
}

namespace {

process_result run_with_stdin(const std::vector<std::string>& argv, int in,
                              const std::vector<std::string>& extra) {
    std::array<int, 2> out{};
    if (in < 0 || pipe2(out.data(), O_CLOEXEC) != 0) {
        ADD_FAILURE() << "no standard input or output for the child";
        if (in >= 0) close(in);
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<std::string> arguments = argv;
    std::vector<std::string> environment = terminal_environment(extra);
    pid_t child = -1;
    int failed = posix_spawnp(&child, arguments[0].c_str(), &actions, nullptr,
                              pointers_to(arguments).data(), pointers_to(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    close(in);
    close(out[1]);
    process_result result;
    if (failed == 0) {
        result.output = read_until_end(out[0], child);
        result.status = exit_status(child);
    } else {
        ADD_FAILURE() << "could not start " << arguments[0];
    }
    close(out[0]);
    return result;
}

} // namespace

process_result run_process(const std::vector<std::string>& argv, const std::string& input,
                           const std::vector<std::string>& extra) {
    return run_with_stdin(argv, stdin_pipe_holding(input), extra);
}

process_result run_process_reading(const std::vector<std::string>& argv, const char* path) {
    return run_with_stdin(argv, open(path, O_RDONLY | O_CLOEXEC), {});
}

process_result play_piped(const std::string& input) {
    return run_process({RAETSEL_BINARY}, input);
}

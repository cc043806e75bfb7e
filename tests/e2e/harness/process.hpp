// Child processes of a test: started with a chosen environment, waited for
// with a timeout, and killed when the test lets go of them.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Variables to set (value) or to remove (no value) in a child's environment.
using environment_changes = std::vector<std::pair<std::string, std::optional<std::string>>>;

struct spawn_options {
    environment_changes environment;
    // Kept open in the child under the same number; -1 for none.
    int inherited_fd = -1;
    // Standard output and error go to /dev/null instead of the test's own.
    bool quiet = false;
};

class child_process {
  public:
    child_process() = default;
    child_process(const std::vector<std::string>& argv, const spawn_options& options);
    child_process(child_process&& other) noexcept;
    child_process& operator=(child_process&& other) noexcept;
    child_process(const child_process&) = delete;
    child_process& operator=(const child_process&) = delete;
    ~child_process();

    bool started() const { return pid_ > 0; }
    int pid() const { return pid_; }
    // The exit status, 128 + the signal for a child that a signal ended, or
    // nothing while it still runs after timeout.
    std::optional<int> wait_exit(std::chrono::milliseconds timeout);
    bool running();
    // SIGTERM, then SIGKILL if it has not gone after grace.
    void stop(std::chrono::milliseconds grace = std::chrono::milliseconds(2000));

  private:
    int pid_ = -1;
    std::optional<int> status_;
};

// Runs a command to its end: its exit status, or nothing when it had to be
// killed after timeout.
std::optional<int> run_command(const std::vector<std::string>& argv, const spawn_options& options,
                               std::chrono::milliseconds timeout = std::chrono::seconds(20));

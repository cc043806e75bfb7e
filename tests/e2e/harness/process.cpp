#include "e2e/harness/process.hpp"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using clock_type = std::chrono::steady_clock;
constexpr auto poll_interval = std::chrono::milliseconds(5);

std::vector<std::string> changed_environment(const environment_changes& changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry) {
        std::string variable(*entry);
        std::string name = variable.substr(0, variable.find('='));
        bool replaced = false;
        for (const auto& change : changes) replaced = replaced || change.first == name;
        if (!replaced) result.push_back(variable);
    }
    for (const auto& [name, value] : changes)
        if (value) result.push_back(name + "=" + *value);
    return result;
}

std::vector<char*> pointers_to(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (std::string& s : strings) result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void exec_child(char** argv, char** envp, const spawn_options& options, int null_fd) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    dup2(null_fd, STDIN_FILENO);
    if (options.quiet) {
        dup2(null_fd, STDOUT_FILENO);
        dup2(null_fd, STDERR_FILENO);
    }
    if (options.inherited_fd >= 0) {
        int flags = fcntl(options.inherited_fd, F_GETFD);
        fcntl(options.inherited_fd, F_SETFD, flags & ~FD_CLOEXEC);
    }
    execvpe(argv[0], argv, envp);
    _exit(127);
}

int status_of(int wait_status) {
    if (WIFEXITED(wait_status)) return WEXITSTATUS(wait_status);
    return 128 + WTERMSIG(wait_status);
}

} // namespace

child_process::child_process(const std::vector<std::string>& argv, const spawn_options& options) {
    std::vector<std::string> arguments = argv;
    std::vector<std::string> environment = changed_environment(options.environment);
    std::vector<char*> argv_pointers = pointers_to(arguments);
    std::vector<char*> envp_pointers = pointers_to(environment);
    int null_fd = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null_fd < 0) return;
    pid_ = fork();
    if (pid_ == 0) exec_child(argv_pointers.data(), envp_pointers.data(), options, null_fd);
    close(null_fd);
}

child_process::child_process(child_process&& other) noexcept
    : pid_(other.pid_), status_(other.status_) {
    other.pid_ = -1;
}

child_process& child_process::operator=(child_process&& other) noexcept {
    if (this != &other) {
        stop();
        pid_ = other.pid_;
        status_ = other.status_;
        other.pid_ = -1;
    }
    return *this;
}

child_process::~child_process() {
    stop();
}

std::optional<int> child_process::wait_exit(std::chrono::milliseconds timeout) {
    if (status_ || pid_ <= 0) return status_;
    auto deadline = clock_type::now() + timeout;
    for (;;) {
        int wait_status = 0;
        if (waitpid(pid_, &wait_status, WNOHANG) == pid_) {
            status_ = status_of(wait_status);
            return status_;
        }
        if (clock_type::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(poll_interval);
    }
}

bool child_process::running() {
    return started() && !wait_exit(std::chrono::milliseconds(0));
}

void child_process::stop(std::chrono::milliseconds grace) {
    if (!running()) return;
    kill(pid_, SIGTERM);
    if (wait_exit(grace)) return;
    kill(pid_, SIGKILL);
    wait_exit(std::chrono::seconds(10));
}

std::optional<int> run_command(const std::vector<std::string>& argv, const spawn_options& options,
                               std::chrono::milliseconds timeout) {
    child_process child(argv, options);
    std::optional<int> status = child.wait_exit(timeout);
    if (!status) child.stop(std::chrono::milliseconds(0));
    return status;
}

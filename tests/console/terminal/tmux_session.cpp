#include "tmux_session.hpp"

#include "game_process.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto patience = std::chrono::seconds(20);
constexpr auto look_again = std::chrono::milliseconds(20);

// The game's process id is written by the shell that then becomes the game.
// Without job control, Ctrl+C reaches the script too, and its trap keeps it
// going. With job control a stopped game is recorded and continued by fg.
constexpr const char* script = R"(cd "$1" || exit 1
if [ "$3" = job-control ]; then set -m; else trap : INT; fi
stty -g > before
sh -c 'echo $$ > pid; exec "$0"' "$2"
status=$?
while [ $status -eq 148 ]; do
    stty -g > stopped
    fg > /dev/null
    status=$?
done
echo $status > status
stty -g > after
echo game over
exec sleep 600
)";

int session_counter = 0;

std::string trimmed_line(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
    return s;
}

} // namespace

tmux_session::tmux_session(bool job_control) {
    socket_ =
        "raetsel-terminal-" + std::to_string(getpid()) + "-" + std::to_string(++session_counter);
    folder_ = std::filesystem::temp_directory_path() / socket_;
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "play.sh") << script;
    tmux({"-f", "/dev/null", "new-session", "-d", "-x", "80", "-y", "60", "bash",
          (folder_ / "play.sh").string(), folder_.string(), RAETSEL_BINARY,
          job_control ? "job-control" : "plain"});
}

tmux_session::~tmux_session() {
    tmux({"kill-server"});
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string tmux_session::tmux(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"tmux", "-u", "-L", socket_});
    const std::vector<std::string> environment = {"LANG=C.UTF-8", "LC_ALL=C.UTF-8"};
    return run_process(arguments, "", environment).output;
}

void tmux_session::keys(const std::vector<std::string>& names) {
    std::vector<std::string> arguments = {"send-keys", "-t", "0"};
    arguments.insert(arguments.end(), names.begin(), names.end());
    tmux(arguments);
}

void tmux_session::type(const std::string& text) {
    tmux({"send-keys", "-t", "0", "-l", text});
}

void tmux_session::resize(int columns) {
    tmux({"resize-window", "-t", "0", "-x", std::to_string(columns)});
}

std::vector<std::string> tmux_session::screen() {
    std::istringstream text(tmux({"capture-pane", "-p", "-t", "0"}));
    std::vector<std::string> rows;
    for (std::string row; std::getline(text, row);) rows.push_back(row);
    return rows;
}

std::string tmux_session::cursor_row() {
    std::string y = trimmed_line(tmux({"display-message", "-p", "-t", "0", "#{cursor_y}"}));
    std::vector<std::string> rows = screen();
    std::size_t row = y.empty() ? rows.size() : std::stoul(y);
    return row < rows.size() ? trimmed_line(rows[row]) : std::string();
}

bool tmux_session::waits_until(const std::function<bool()>& condition) {
    auto deadline = std::chrono::steady_clock::now() + patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(look_again);
    }
    return true;
}

namespace {

bool any_row(const std::vector<std::string>& rows,
             const std::function<bool(const std::string&)>& test) {
    for (const std::string& row : rows)
        if (test(row)) return true;
    return false;
}

} // namespace

bool tmux_session::shows(const std::string& text) {
    return shows_where(text,
                       [&](const std::string& row) { return row.find(text) != std::string::npos; });
}

bool tmux_session::shows_row(const std::string& row) {
    return shows_where(row, [&](const std::string& r) { return trimmed_line(r) == row; });
}

bool tmux_session::shows_where(const std::string& what,
                               const std::function<bool(const std::string&)>& test) {
    bool found = waits_until([&] { return any_row(screen(), test); });
    if (!found) {
        std::string all;
        for (const std::string& row : screen()) all += row + "\n";
        ADD_FAILURE() << "the screen never showed \"" << what << "\"; it shows:\n" << all;
    }
    return found;
}

bool tmux_session::game_over() {
    return shows("game over");
}

std::string tmux_session::recorded(const std::string& name) {
    std::ifstream in(folder_ / name);
    std::stringstream text;
    text << in.rdbuf();
    return trimmed_line(text.str());
}

int tmux_session::game_pid() {
    std::string pid;
    waits_until([&] { return !(pid = recorded("pid")).empty(); });
    return pid.empty() ? -1 : std::stoi(pid);
}

std::string tmux_session::modes_now() {
    std::string tty = trimmed_line(tmux({"display-message", "-p", "-t", "0", "#{pane_tty}"}));
    return trimmed_line(run_process({"stty", "-F", tty, "-g"}, "").output);
}

std::string tmux_session::readable_modes_now() {
    std::string tty = trimmed_line(tmux({"display-message", "-p", "-t", "0", "#{pane_tty}"}));
    return run_process({"stty", "-F", tty, "-a"}, "").output;
}

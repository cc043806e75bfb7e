// The game in a terminal of its own: a detached tmux server, with keys
// sent to the game and the screen read back.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class tmux_session {
  public:
    // Runs the game in an 80 x 60 pane through a small script that records
    // the terminal's modes before and after it, its process id and its exit
    // status, all in a folder of its own. With job_control the game has a
    // process group of its own, so that it can be stopped, and the script
    // records the modes while it is stopped, then continues it.
    explicit tmux_session(bool job_control = false);
    ~tmux_session();
    tmux_session(const tmux_session&) = delete;
    tmux_session& operator=(const tmux_session&) = delete;

    // tmux key names, as send-keys takes them.
    void keys(const std::vector<std::string>& names);
    // Text sent as it is.
    void type(const std::string& text);
    void resize(int columns);

    std::vector<std::string> screen();
    // The row the terminal's cursor stands in.
    std::string cursor_row();
    // Waits until the screen shows a row that contains text; false when it
    // never does.
    bool shows(const std::string& text);
    // Waits until a row is exactly row, trailing blanks aside.
    bool shows_row(const std::string& row);
    bool waits_until(const std::function<bool()>& condition);

    // Once the game has ended: what the script recorded.
    bool game_over();
    std::string recorded(const std::string& name);
    int game_pid();
    // The modes of the pane's terminal now, as stty -g gives them.
    std::string modes_now();
    std::string readable_modes_now();

  private:
    bool shows_where(const std::string& what, const std::function<bool(const std::string&)>& test);
    std::string tmux(std::vector<std::string> arguments);
    std::string socket_;
    std::filesystem::path folder_;
};

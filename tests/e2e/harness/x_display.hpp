// An X server of a test's own: Xvfb on a free display number, optionally a
// window manager and a keyboard layout, all torn down with the object.
#pragma once

#include "e2e/harness/process.hpp"

#include "e2e/harness/x_types.hpp"

#include <memory>
#include <string>

struct display_options {
    bool window_manager = false;
    // An XKB layout such as "de"; empty keeps the server's default.
    std::string keyboard_layout;
};

struct display_closer {
    void operator()(x_connection display) const;
};
using display_connection = std::unique_ptr<_XDisplay, display_closer>;

// Connects to a display by name; empty when that fails.
display_connection connect_display(const std::string& name);

class x_display {
  public:
    explicit x_display(const display_options& options = {});
    x_display(const x_display&) = delete;
    x_display& operator=(const x_display&) = delete;
    ~x_display();

    // Whether the server, and the window manager if asked for, are up.
    bool ready() const { return connection_ != nullptr && error_.empty(); }
    // Why not, when not ready.
    const std::string& error() const { return error_; }
    // ":N".
    const std::string& name() const { return name_; }
    x_connection connection() const { return connection_.get(); }
    bool has_window_manager() const { return window_manager_.started(); }
    // Runs a program on this display and waits for its end.
    std::optional<int> run(const std::vector<std::string>& argv) const;
    environment_changes environment() const;
    // The key code that carries a keysym ("z", "KP_8"); 0 when none does.
    int keycode_of(const std::string& keysym_name) const;

  private:
    void start_server();
    void start_window_manager();
    bool window_manager_running() const;

    child_process server_;
    child_process window_manager_;
    std::string name_;
    std::string error_;
    display_connection connection_;
};

#include "console/window/local_console.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

bool through_ssh() {
    return std::getenv("SSH_CONNECTION") || std::getenv("SSH_TTY");
}

bool started_on_virtual_console() {
    const char* terminal = ttyname(STDIN_FILENO);
    return terminal && is_virtual_console(terminal);
}

bool readable(const std::filesystem::path& device) {
    int fd = open(device.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    close(fd);
    return true;
}

bool keyboard_readable() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/input", error))
        if (entry.path().filename().string().starts_with("event") && readable(entry.path()))
            return true;
    return false;
}

} // namespace

bool is_virtual_console(std::string_view terminal) {
    constexpr std::string_view prefix = "/dev/tty";
    if (!terminal.starts_with(prefix)) return false;
    std::string_view number = terminal.substr(prefix.size());
    return !number.empty() && std::all_of(number.begin(), number.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

bool on_local_console_with_keyboard() {
    return !through_ssh() && started_on_virtual_console() && keyboard_readable();
}

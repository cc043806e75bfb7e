#include "console/window/title.hpp"

#include <cerrno>
#include <unistd.h>

namespace {
// The buffer the program's path is read into holds 126 bytes and the end mark.
constexpr std::size_t path_buffer_size = 127;
} // namespace

std::string title_from_program_path(std::string_view path) {
    path = path.substr(0, path_buffer_size - 1);
    if (auto slash = path.rfind('/'); slash != std::string_view::npos)
        path.remove_prefix(slash + 1);
    if (auto dot = path.rfind('.'); dot != std::string_view::npos) path = path.substr(0, dot);
    return std::string(path);
}

const std::string& window_title() {
    static const std::string title = [] {
        char buffer[path_buffer_size];
        ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
        if (n >= 0)
            return title_from_program_path(std::string_view(buffer, static_cast<std::size_t>(n)));
        // No /proc to read the link from: the name the program was started by.
        return title_from_program_path(program_invocation_name);
    }();
    return title;
}

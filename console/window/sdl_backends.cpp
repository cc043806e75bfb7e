// The windowing back-ends: SDL's video drivers, each with its own rules,
// all presented by the one SDL presentation.
#include "console/window/backend.hpp"
#include "console/window/local_console.hpp"
#include "console/window/sdl_presentation.hpp"

#include <array>
#include <cstdlib>

namespace {

constexpr std::int32_t flag_full_screen = 1;

struct driver_rules {
    sdl_driver driver;
    bool windowed; // false: it draws on the whole display or not at all
    bool (*may_open)();
};

bool always() {
    return true;
}

// A Wayland display is found through XDG_RUNTIME_DIR unless named by its full
// path; without either the client library can only print a complaint.
bool wayland_reachable() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* display = std::getenv("WAYLAND_DISPLAY");
    return (runtime && *runtime) || (display && *display == '/');
}

constexpr std::array<driver_rules, 3> drivers = {{
    {{"x11", true}, true, always},
    {{"wayland", false}, true, wayland_reachable},
    // Takes over the machine's monitor: only where the player sits at it.
    {{"kmsdrm", false}, false, on_local_console_with_keyboard},
}};

template <std::size_t n>
std::int32_t open_driver(const char* title, std::int32_t width, std::int32_t height,
                         std::int32_t depth, std::int32_t refresh, std::int32_t flags) {
    const driver_rules& rules = drivers[n];
    // Only 32-bit pictures are presented.
    if (depth != 24 && depth != 32) return 1;
    if (!rules.windowed && !(flags & flag_full_screen)) return 1;
    if (!rules.may_open()) return 1;
    return presentation_open(rules.driver, title, width, height, refresh, flags);
}

template <std::size_t n>
constexpr backend sdl_backend() {
    return {
        .name = drivers[n].driver.name,
        .open = open_driver<n>,
        .close = presentation_close,
        .lock = presentation_lock,
        .unlock = presentation_unlock,
    };
}

constexpr backend x11 = sdl_backend<0>();
constexpr backend wayland = sdl_backend<1>();
constexpr backend kmsdrm = sdl_backend<2>();
constexpr std::array<const backend*, 3> list = {&x11, &wayland, &kmsdrm};

} // namespace

std::span<const backend* const> windowing_backends() {
    return list;
}

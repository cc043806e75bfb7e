#include "console/window/backend.hpp"

namespace {
void nothing() {}
} // namespace

// Keeps the screen in memory: no window, no thread, nothing to lock.
const backend& null_backend() {
    static const backend record = {
        .name = "Null",
        .open = nullptr,
        .close = nullptr,
        .lock = nothing,
        .unlock = nothing,
        .set_palette_entry = nullptr,
        .wait_retrace = nullptr,
        .read_mouse = nullptr,
        .set_mouse = nullptr,
        .set_title = nullptr,
        .move_window = nullptr,
        .list_modes = nullptr,
        .flip = nullptr,
        .poll_events = nullptr,
    };
    return record;
}

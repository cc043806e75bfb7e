#include "console/window/platform.hpp"

#include <atomic>
#include <chrono>
#include <thread>

namespace {
std::atomic<sleep_hook> sleep_override{nullptr};
std::atomic<tone_hook> tone_override{nullptr};
} // namespace

void platform_sleep(std::int32_t milliseconds) {
    if (sleep_hook hook = sleep_override.load()) return hook(milliseconds);
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void platform_tone(std::int32_t hertz, std::int32_t milliseconds) {
    if (tone_hook hook = tone_override.load()) return hook(hertz, milliseconds);
    audio_tone(hertz, milliseconds);
}

void set_sleep_hook(sleep_hook hook) {
    sleep_override = hook;
}
void set_tone_hook(tone_hook hook) {
    tone_override = hook;
}

// Placeholders until the SDL presentation lands; removed with it.
#include "console/window/backend.hpp"
#include "console/window/platform.hpp"

#include <chrono>
#include <thread>

std::span<const backend* const> windowing_backends() {
    return {};
}

void audio_tone(std::int32_t, std::int32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

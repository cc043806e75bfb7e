// The tone through SDL's audio: a generated sine, or as long a silence where
// no audio device opens.
#include "console/window/platform.hpp"
#include "console/window/sdl_process_setup.hpp"

#include <SDL.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <thread>
#include <vector>

namespace {

constexpr int sample_rate = 48000;
constexpr double amplitude = 0.3 * 32767;
constexpr int ramp_samples = sample_rate / 1000; // a millisecond each way, against clicks

std::vector<std::int16_t> sine(std::int32_t hertz, std::int32_t milliseconds) {
    std::size_t count =
        static_cast<std::size_t>(sample_rate) * static_cast<std::size_t>(milliseconds) / 1000;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t from_edge = std::min(i, count - 1 - i);
        double ramp = std::min(1.0, static_cast<double>(from_edge) / ramp_samples);
        double phase = 2 * std::numbers::pi * hertz * static_cast<double>(i) / sample_rate;
        samples[i] = static_cast<std::int16_t>(std::lround(amplitude * ramp * std::sin(phase)));
    }
    return samples;
}

// Plays samples on a device opened in exactly this format, so that SDL
// converts to what the hardware takes and a disk device writes it as it is.
bool play(const std::vector<std::int16_t>& samples) {
    SDL_AudioSpec wanted{};
    wanted.freq = sample_rate;
    wanted.format = AUDIO_S16LSB;
    wanted.channels = 1;
    wanted.samples = 1024;
    SDL_AudioSpec got{};
    SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, 0);
    if (device == 0) return false;
    auto bytes = static_cast<Uint32>(samples.size() * sizeof samples[0]);
    bool queued = SDL_QueueAudio(device, samples.data(), bytes) == 0;
    if (queued) {
        SDL_PauseAudioDevice(device, 0);
        while (SDL_GetQueuedAudioSize(device) > 0) SDL_Delay(5);
        // The last buffer taken from the queue is still sounding.
        SDL_Delay(static_cast<Uint32>(1000 * got.samples / got.freq + 1));
    }
    SDL_CloseAudioDevice(device);
    return queued;
}

} // namespace

void audio_tone(std::int32_t hertz, std::int32_t milliseconds) {
    if (milliseconds <= 0) return;
    sdl_process_setup();
    bool sounded = false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        sounded = play(sine(hertz, milliseconds));
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    if (!sounded) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Sleeping and the tone: the platform facilities the console waits on.
// Tests replace both so that they run without delays or sound.
#pragma once

#include <cstdint>

void platform_sleep(std::int32_t milliseconds);
// Sounds a tone and returns when it has ended; silence for as long where no
// audio device opens.
void platform_tone(std::int32_t hertz, std::int32_t milliseconds);

// The tone on the audio device, behind platform_tone when no hook is set.
void audio_tone(std::int32_t hertz, std::int32_t milliseconds);

using sleep_hook = void (*)(std::int32_t milliseconds);
using tone_hook = void (*)(std::int32_t hertz, std::int32_t milliseconds);
// nullptr restores the real facility.
void set_sleep_hook(sleep_hook hook);
void set_tone_hook(tone_hook hook);

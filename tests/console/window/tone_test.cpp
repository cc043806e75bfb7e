// The tone through SDL's disk audio driver, read back from the file it writes.
#include "console/window/platform.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::int16_t> samples_in(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                               static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
    return samples;
}

TEST(audio_tone, writes_a_ramped_1000_hz_sine_of_250_ms_as_48_khz_mono_s16) {
    std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("tone_test_" + std::to_string(getpid()) + ".raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    audio_tone(1000, 250);
    unsetenv("SDL_AUDIODRIVER");
    std::vector<std::int16_t> samples = samples_in(file);
    std::filesystem::remove(file);

    auto sounding = [](std::int16_t s) { return s != 0; };
    auto first = std::find_if(samples.begin(), samples.end(), sounding);
    auto last = std::find_if(samples.rbegin(), samples.rend(), sounding).base();
    ASSERT_LT(first, last) << "no sound in the file";
    std::vector<std::int16_t> tone(first, last);
    EXPECT_NEAR(static_cast<double>(tone.size()), 12000, 48);

    int crossings = 0;
    for (std::size_t i = 1; i < tone.size(); ++i)
        if ((tone[i - 1] < 0) != (tone[i] < 0)) ++crossings;
    EXPECT_NEAR(crossings, 500, 3);

    auto peak = [](auto from, auto to) {
        return std::abs(*std::max_element(
            from, to, [](std::int16_t a, std::int16_t b) { return std::abs(a) < std::abs(b); }));
    };
    int loudest = peak(tone.begin(), tone.end());
    EXPECT_GT(loudest, 4000);
    // Within the first and the last millisecond the sine only grows in.
    EXPECT_LT(peak(tone.begin(), tone.begin() + 12), loudest / 3);
    EXPECT_LT(peak(tone.end() - 12, tone.end()), loudest / 3);
}

} // namespace

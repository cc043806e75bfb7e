// The editor's beep, recorded by SDL's disk audio driver and measured.
#include "e2e/harness.hpp"

#include "riddle/screens.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace {

constexpr double sample_rate = 48000;

// 16-bit little-endian mono samples.
std::vector<std::int16_t> samples_of(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> samples;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        samples.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                                    static_cast<std::uint8_t>(bytes[i + 1]) << 8));
    return samples;
}

struct tone_measure {
    double seconds = 0;
    double hertz = 0;
};

// The span from the first to the last sample louder than a tenth of the
// peak, and the frequency from its zero crossings.
tone_measure measured(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    if (peak == 0) return {};
    auto loud = [&](std::int16_t s) { return std::abs(static_cast<int>(s)) * 10 > peak; };
    auto first = std::find_if(samples.begin(), samples.end(), loud);
    auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    double seconds = static_cast<double>(last - first) / sample_rate;
    int crossings = 0;
    for (auto s = first + 1; s < last; ++s) crossings += (*(s - 1) < 0) != (*s < 0);
    return {seconds, crossings / 2.0 / seconds};
}

TEST(bell, delete_at_the_end_of_the_line_sounds_1000_hz_for_250_ms) {
    std::filesystem::path recording = artefact_folder() / "audio.raw";
    std::filesystem::remove(recording);
    game_options options;
    options.environment = {{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", recording.string()}};
    game_session session(options);
    ASSERT_TRUE(reach_level(session, 1));
    ASSERT_TRUE(session.press({"Delete"}));
    ASSERT_TRUE(session.type("x"));
    ASSERT_TRUE(session.press({"Return"}));
    screen_builder judged = level_clue(1);
    ASSERT_TRUE(session.expect_screen(judged.answered("x").line(rebuke).screen()));
    expect_end_after_key(session);

    tone_measure tone = measured(samples_of(recording));
    EXPECT_NEAR(tone.seconds, 0.250, 0.0125) << "recording: " << recording;
    EXPECT_NEAR(tone.hertz, 1000, 50) << "recording: " << recording;
}

} // namespace

#include "console/text/font_block.hpp"
#include "console/text/font_unpack.hpp"
#include "console/text/text.hpp"
#include "text_screen.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <span>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

using bytes = std::vector<std::uint8_t>;

struct glyph_case {
    int byte;
    std::array<std::uint8_t, 8> rows;
};

class glyphs : public ::testing::TestWithParam<glyph_case> {};

TEST_P(glyphs, have_their_rows) {
    const glyph_case& c = GetParam();
    const std::uint8_t* glyph = font_8x8() + c.byte * 8;
    EXPECT_EQ(std::vector(glyph, glyph + 8), std::vector(c.rows.begin(), c.rows.end()));
}

INSTANTIATE_TEST_SUITE_P(
    font, glyphs,
    ::testing::Values(glyph_case{65, {0x0C, 0x1E, 0x33, 0x33, 0x3F, 0x33, 0x33, 0x00}},
                      glyph_case{179, {0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18}},
                      glyph_case{196, {0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}},
                      glyph_case{219, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
                      glyph_case{0, {}}, glyph_case{32, {}}, glyph_case{255, {}}),
    [](const auto& info) { return "byte_" + std::to_string(info.param.byte); });

bytes unpacked_block() {
    bytes block(font_block_size);
    EXPECT_TRUE(font_unpack(packed_font_block(), block));
    return block;
}

TEST(font_block, holds_three_fonts_and_the_palettes) {
    bytes block = unpacked_block();
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + font_8x8_size, font_8x8()));
    // The 8 x 14 font is the 8 x 16 one without its top and bottom rows.
    for (std::size_t glyph = 0; glyph < 256; ++glyph)
        for (std::size_t row = 0; row < 14; ++row)
            ASSERT_EQ(block[font_8x14_offset + glyph * 14 + row],
                      block[font_8x16_offset + glyph * 16 + row + 1]);
    const std::uint8_t* a_16 = &block[font_8x16_offset + 'A' * 16];
    EXPECT_EQ(bytes(a_16 + 2, a_16 + 5), (bytes{0x08, 0x1C, 0x36})); // PSF has 10 38 6C
    const std::uint8_t* palettes = &block[palettes_offset];
    EXPECT_EQ(bytes(palettes, palettes + 6), (bytes{0, 0, 0, 0xFF, 0xFF, 0xFF}));
    const std::uint8_t* cga = palettes + 2 * 3;
    EXPECT_EQ(bytes(cga + 6 * 3, cga + 7 * 3), (bytes{0xAA, 0x55, 0x00})); // brown
    const std::uint8_t* vga = palettes + (2 + 16 + 64) * 3;
    EXPECT_TRUE(std::equal(cga, cga + 16 * 3, vga));
    EXPECT_EQ(bytes(vga + 31 * 3, vga + 32 * 3), (bytes{0xFF, 0xFF, 0xFF}));
}

std::string file_text(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(font_block, data_file_is_what_the_tool_makes) {
    const char* fonts = "/usr/share/consolefonts/default8x9.psf.gz";
    if (!std::filesystem::exists(fonts) || std::system("python3 --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "console-data or python3 not installed";
    std::filesystem::path source = RAETSEL_SOURCE_DIR;
    std::filesystem::path made = std::filesystem::temp_directory_path() /
                                 ("font_block_data_" + std::to_string(getpid()) + ".cpp");
    std::string command =
        "python3 " + (source / "tools/make_font_block.py").string() + " " + made.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(file_text(made), file_text(source / "console/text/font_block_data.cpp"));
    std::filesystem::remove(made);
}

// Codes two in three bytes, the second of an odd last pair 4095.
bytes packed(std::vector<std::uint16_t> codes) {
    if (codes.size() % 2) codes.push_back(4095);
    bytes out;
    for (std::size_t i = 0; i < codes.size(); i += 2) {
        out.push_back(static_cast<std::uint8_t>(codes[i] & 0xFF));
        out.push_back(static_cast<std::uint8_t>(codes[i] >> 8 | (codes[i + 1] & 0x0F) << 4));
        out.push_back(static_cast<std::uint8_t>(codes[i + 1] >> 4));
    }
    return out;
}

// A plain LZW packer with the same dictionary rules, to reach a full dictionary.
std::vector<std::uint16_t> lzw_codes(const bytes& data) {
    std::map<bytes, std::uint16_t> dictionary;
    for (int b = 0; b < 256; ++b) dictionary[bytes{static_cast<std::uint8_t>(b)}] = b;
    std::uint16_t next = 256;
    std::vector<std::uint16_t> codes;
    bytes current;
    for (std::uint8_t b : data) {
        bytes extended = current;
        extended.push_back(b);
        if (dictionary.count(extended)) {
            current = extended;
            continue;
        }
        codes.push_back(dictionary[current]);
        if (next <= 4094) dictionary[extended] = next++;
        current = {b};
    }
    if (!current.empty()) codes.push_back(dictionary[current]);
    codes.push_back(4095);
    return codes;
}

struct unpack_case {
    const char* name;
    bytes input;
    std::size_t out_size;
    bool ok;
    bytes out; // what stands in the output afterwards
};

class unpacking : public ::testing::TestWithParam<unpack_case> {};

TEST_P(unpacking, succeeds_only_on_whole_data) {
    const unpack_case& c = GetParam();
    bytes input = c.input; // exactly sized, so reading past it is caught
    bytes out(c.out_size);
    EXPECT_EQ(font_unpack(input, out), c.ok);
    EXPECT_EQ(out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    font, unpacking,
    ::testing::Values(
        unpack_case{"empty_input", {}, 4, false, {0, 0, 0, 0}},
        unpack_case{"one_byte", {65}, 4, false, {0, 0, 0, 0}},
        unpack_case{"end_only_for_nothing", packed({4095}), 0, true, {}},
        unpack_case{"end_only_for_something", packed({4095}), 2, false, {0, 0}},
        unpack_case{"bytes", packed({65, 66, 4095}), 2, true, {65, 66}},
        unpack_case{
            "a_string_of_the_dictionary", packed({65, 66, 256, 4095}), 4, true, {65, 66, 65, 66}},
        unpack_case{"code_not_yet_in_the_dictionary",
                    packed({97, 256, 97, 4095}),
                    4,
                    true,
                    {97, 97, 97, 97}},
        unpack_case{"chained_not_yet_codes",
                    packed({97, 256, 257, 4095}),
                    6,
                    true,
                    {97, 97, 97, 97, 97, 97}},
        unpack_case{"no_end_code", {65, 0x20, 0x04}, 2, false, {65, 66}},
        unpack_case{"cut_inside_a_code", {65, 0x20}, 2, false, {65, 0}},
        unpack_case{"first_code_a_string", packed({256, 4095}), 2, false, {0, 0}},
        unpack_case{"code_beyond_the_next_free", packed({65, 300, 4095}), 4, false, {65, 0, 0, 0}},
        unpack_case{"output_too_small", packed({97, 256, 97, 4095}), 3, false, {97, 97, 97}},
        unpack_case{"output_too_large", packed({65, 66, 4095}), 3, false, {65, 66, 0}},
        unpack_case{"bytes_after_the_end", bytes{65, 0xF0, 0xFF, 1, 2, 3}, 1, true, {65}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(unpacking_the_block, fails_on_every_truncation) {
    std::span<const std::uint8_t> whole = packed_font_block();
    for (std::size_t length = 0; length < whole.size(); length += length < 16 ? 1 : 61) {
        bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        bytes out(font_block_size);
        EXPECT_FALSE(font_unpack(cut, out)) << length;
    }
    bytes cut(whole.begin(), whole.end() - 1);
    bytes out(font_block_size);
    EXPECT_FALSE(font_unpack(cut, out));
}

TEST(unpacking_the_block, never_writes_past_a_smaller_output) {
    bytes guarded(font_block_size + 64, 0xA5);
    std::span<std::uint8_t> out(guarded.data(), font_block_size - 1);
    EXPECT_FALSE(font_unpack(packed_font_block(), out));
    EXPECT_TRUE(std::all_of(guarded.begin() + font_block_size - 1, guarded.end(),
                            [](std::uint8_t b) { return b == 0xA5; }));
    bytes whole = unpacked_block();
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 9000, whole.begin()));
}

TEST(unpacking, a_full_dictionary_stops_growing) {
    std::mt19937 random(7);
    bytes data(font_block_size);
    for (std::uint8_t& b : data) b = static_cast<std::uint8_t>(random() % 64);
    std::vector<std::uint16_t> codes = lzw_codes(data);
    // Every code after the first gives one string: 3,839 of them fill it.
    ASSERT_GT(codes.size(), 3841u);
    bytes out(data.size());
    EXPECT_TRUE(font_unpack(packed(codes), out));
    EXPECT_EQ(out, data);
}

TEST(unpacking, garbage_stays_within_its_buffers) {
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        bytes input(random() % 600);
        for (std::uint8_t& b : input) b = static_cast<std::uint8_t>(random());
        bytes out(random() % 2000);
        font_unpack(input, out); // the sanitizers watch the bounds
    }
    SUCCEED();
}

} // namespace

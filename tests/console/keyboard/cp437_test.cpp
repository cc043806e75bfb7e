#include "console/keyboard/keyboard.hpp"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstring>
#include <set>

namespace {

TEST(cp437, every_byte_but_0_comes_back_from_what_it_shows) {
    for (int b = 1; b < 256; ++b)
        EXPECT_EQ(cp437_from_unicode(cp437_to_unicode(static_cast<std::uint8_t>(b))), b)
            << "byte " << b;
}

TEST(cp437, no_two_bytes_show_the_same_character) {
    std::set<char32_t> seen;
    for (int b = 1; b < 256; ++b) seen.insert(cp437_to_unicode(static_cast<std::uint8_t>(b)));
    EXPECT_EQ(seen.size(), 255u);
}

struct shown_case {
    std::uint8_t byte;
    char32_t shows;
};

class shown : public ::testing::TestWithParam<shown_case> {};

TEST_P(shown, byte_shows_its_glyph_character) {
    EXPECT_EQ(cp437_to_unicode(GetParam().byte), GetParam().shows);
}

INSTANTIATE_TEST_SUITE_P(bytes, shown,
                         ::testing::Values(shown_case{0, U' '}, shown_case{1, U'☺'},
                                           shown_case{2, U'☻'}, shown_case{13, U'♪'},
                                           shown_case{31, U'▼'}, shown_case{32, U' '},
                                           shown_case{65, U'A'}, shown_case{127, U'⌂'},
                                           shown_case{132, U'ä'}, shown_case{225, U'ß'},
                                           shown_case{254, U'■'}, shown_case{255, U'\u00A0'}));

// glibc's IBM437 converter agrees on every printable byte.
TEST(cp437, printable_bytes_agree_with_the_iconv_converter) {
    iconv_t cd = iconv_open("UTF-32LE", "IBM437");
    if (cd == reinterpret_cast<iconv_t>(-1)) GTEST_SKIP() << "no IBM437 converter here";
    for (int b = 32; b < 256; ++b) {
        if (b == 127) continue; // a control for the converter, the house glyph here
        char in = static_cast<char>(b);
        std::uint32_t out = 0;
        char* in_p = &in;
        char* out_p = reinterpret_cast<char*>(&out);
        std::size_t in_left = 1, out_left = sizeof out;
        ASSERT_NE(iconv(cd, &in_p, &in_left, &out_p, &out_left), static_cast<std::size_t>(-1));
        EXPECT_EQ(cp437_to_unicode(static_cast<std::uint8_t>(b)), out) << "byte " << b;
    }
    iconv_close(cd);
}

struct typed_case {
    const char* name;
    char32_t typed;
    std::uint8_t byte;
};

void PrintTo(const typed_case& c, std::ostream* os) {
    *os << c.name;
}

class typed : public ::testing::TestWithParam<typed_case> {};

TEST_P(typed, character_becomes_its_byte) {
    EXPECT_EQ(cp437_from_unicode(GetParam().typed), GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(
    characters, typed,
    ::testing::Values(
        typed_case{"control_character_passes", 1, 1}, typed_case{"enter", 13, 13},
        typed_case{"delete_control", 127, 127}, typed_case{"smiley_symbol", U'☺', 1},
        typed_case{"no_break_space", U'\u00A0', 255}, typed_case{"micro_sign", U'µ', 230},
        typed_case{"upper_a_umlaut", U'Ä', 142}, typed_case{"e_acute", U'é', 130},
        typed_case{"a_tilde", U'ã', 'a'}, typed_case{"capital_e_grave_missing", U'È', 'E'},
        typed_case{"o_stroke", U'ø', 'o'}, typed_case{"y_acute", U'ý', 'y'},
        typed_case{"capital_y_acute", U'Ý', 'Y'}, typed_case{"c_caron", U'č', 'c'},
        typed_case{"capital_l_stroke", U'Ł', 'L'}, typed_case{"z_caron", U'ž', 'z'},
        typed_case{"capital_y_diaeresis", U'Ÿ', 'Y'}, typed_case{"dotless_i", U'ı', 'i'},
        typed_case{"multiplication_sign", U'×', '?'}, typed_case{"thorn", U'þ', '?'},
        typed_case{"ligature_oe", U'œ', '?'}, typed_case{"long_s_end_of_table", U'ſ', '?'},
        typed_case{"past_the_table", U'ƀ', '?'}, typed_case{"c1_control", 0x85, '?'},
        typed_case{"euro_sign", U'€', '?'}, typed_case{"emoji", U'\U0001F600', '?'},
        typed_case{"replacement_character", 0xFFFD, '?'}, typed_case{"surrogate", 0xD800, '?'},
        typed_case{"beyond_unicode", 0x110000, '?'}),
    [](const auto& info) { return std::string(info.param.name); });

struct utf8_case {
    const char* name;
    std::string bytes;
    std::u32string code_points;
};

void PrintTo(const utf8_case& c, std::ostream* os) {
    *os << c.name;
}

class utf8 : public ::testing::TestWithParam<utf8_case> {};

TEST_P(utf8, decodes_to_code_points) {
    EXPECT_EQ(decode_utf8(GetParam().bytes), GetParam().code_points);
}

INSTANTIATE_TEST_SUITE_P(
    texts, utf8,
    ::testing::Values(utf8_case{"empty", "", U""}, utf8_case{"ascii", "ab", U"ab"},
                      utf8_case{"nul_byte_kept", std::string("a\0b", 3),
                                std::u32string(U"a\0b", 3)},
                      utf8_case{"two_bytes", "\xC3\xA4", U"ä"},
                      utf8_case{"three_bytes", "\xE2\x96\xA0", U"■"},
                      utf8_case{"four_bytes", "\xF0\x9F\x98\x80", U"\U0001F600"},
                      utf8_case{"highest", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
                      utf8_case{"stray_continuation",
                                "\x80"
                                "a",
                                U"\uFFFDa"},
                      utf8_case{"invalid_lead", "\xFF\xC0\xC1", U"\uFFFD\uFFFD\uFFFD"},
                      utf8_case{"overlong_two_bytes", "\xC0\xAF", U"\uFFFD\uFFFD"},
                      utf8_case{"overlong_three_bytes", "\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
                      utf8_case{"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
                      utf8_case{"beyond_unicode", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
                      utf8_case{"cut_before_ascii",
                                "\xE2\x96"
                                "a",
                                U"\uFFFDa"},
                      utf8_case{"cut_at_end", "a\xF0\x9F\x98", U"a\uFFFD"},
                      utf8_case{"lead_after_lead", "\xC3\xC3\xA4", U"\uFFFDä"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

// The window title: taken from the program's path, and made fit for the
// window system.
#include "console/window/title.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

struct path_case {
    const char* name;
    std::string path;
    std::string title;
};

void PrintTo(const path_case& c, std::ostream* out) {
    *out << c.name;
}

const path_case path_cases[] = {
    {"directory_and_extension_dropped", "/usr/games/raetsel.bin", "raetsel"},
    {"two_dots_cut_at_the_last", "/opt/game.tar.gz", "game.tar"},
    {"no_dot_taken_whole", "/opt/raetsel", "raetsel"},
    {"dot_in_a_directory_only", "/opt/v1.2/raetsel", "raetsel"},
    {"no_slash", "raetsel.exe", "raetsel"},
    {"longer_than_126_cut_before_its_dot", "/d/" + std::string(130, 'n') + ".x",
     std::string(123, 'n')},
    {"longer_than_126_cut_in_a_directory", "/" + std::string(124, 'a') + "/b/raetsel", ""},
};

class title_rule : public ::testing::TestWithParam<path_case> {};

TEST_P(title_rule, takes_the_file_name_without_extension_from_the_first_126_bytes) {
    EXPECT_EQ(title_from_program_path(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(cases, title_rule, ::testing::ValuesIn(path_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(window_title, is_the_running_programs_name) {
    EXPECT_EQ(window_title(), "test_window");
}

struct utf8_case {
    const char* name;
    std::string bytes;
    std::string text;
};

void PrintTo(const utf8_case& c, std::ostream* out) {
    *out << c.name;
}

const std::string replacement = "\xEF\xBF\xBD";

const utf8_case utf8_cases[] = {
    {"ascii", "raetsel", "raetsel"},
    {"utf8_kept", "R\xC3\xA4tsel \xE2\x82\xAC \xF0\x9F\x8E\xB2",
     "R\xC3\xA4tsel \xE2\x82\xAC \xF0\x9F\x8E\xB2"},
    {"latin1_byte_replaced", "R\xE4tsel", "R" + replacement + "tsel"},
    {"stray_continuation_replaced", "a\x80z", "a" + replacement + "z"},
    {"overlong_replaced", "\xC0\xAF", replacement + replacement},
    {"surrogate_replaced", "\xED\xA0\x80", replacement + replacement + replacement},
    {"past_u10ffff_replaced", "\xF4\x90\x80\x80",
     replacement + replacement + replacement + replacement},
    {"broken_inside_replaced", "\xE2\x82z", replacement + replacement + "z"},
    {"cut_character_at_the_end_dropped", "spiel\xE2\x82", "spiel"},
};

class utf8_title : public ::testing::TestWithParam<utf8_case> {};

TEST_P(utf8_title, keeps_utf8_and_replaces_every_other_byte) {
    EXPECT_EQ(title_as_utf8(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(cases, utf8_title, ::testing::ValuesIn(utf8_cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

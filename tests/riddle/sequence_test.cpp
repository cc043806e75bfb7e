// The whole game on a memory-only screen: keys typed one per console
// sleep, the screen read back when the game has ended the process.
#include "console/keyboard/keyboard.hpp"
#include "riddle/riddle.hpp"
#include "riddle/screens.hpp"
#include "support/null_screen.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string dump_path;

void dump_screen_at_exit() {
    std::ofstream out(dump_path, std::ios::binary);
    for (const std::string& r : null_screen_rows()) out << r << '\n';
}

// Each byte one key press; 13 is Enter.
void type_keys(const byte_string& keys) {
    for (char c : keys)
        key_script.push_back(
            [c] { on_character(cp437_to_unicode(static_cast<unsigned char>(c)), 1); });
}

struct play {
    const char* name;
    byte_string keys;
    std::vector<std::string> last_screen; // its first rows; the rest stay empty
};

void PrintTo(const play& p, std::ostream* os) {
    *os << p.name;
}

std::vector<std::string> level_1_screen(const std::string& typed) {
    std::vector<std::string> rows = {""};
    for (char c : level_1_address) rows.push_back(std::to_string(static_cast<int>(c)));
    rows.push_back("");
    rows.push_back(" >" + typed);
    return rows;
}

std::vector<std::string> with(std::vector<std::string> rows, std::vector<std::string> more) {
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

const std::vector<std::string> level_2_rows = {"", " Bravo, jetzt wird es ein wenig schwieriger.",
                                               "", " 49.634508,8.351097", ""};
const std::vector<std::string> level_3_rows = {"",
                                               " Super geloest, war wohl doch zu einfach.",
                                               " Zur Abwechslung etwas noch einfacheres.",
                                               "",
                                               " DOS int 00h -> QZ",
                                               ""};
const std::vector<std::string> level_4_rows = {
    "",
    " Wahnsinn, du hast es echt ins vierte Level geschafft.",
    " Nun gut, dann machen wir es jetzt aber schon ein wenig",
    " schwerer.",
    "",
    " +1--+0+110-+0",
    ""};

const byte_string to_level_4 = "x7\rxworms\rxDiv\rx";

class riddle_sequence : public null_screen, public ::testing::WithParamInterface<play> {};

TEST_P(riddle_sequence, ends_with_status_0_on_the_expected_screen) {
    dump_path = ::testing::TempDir() + "riddle_screen_" + std::to_string(getpid()) + ".txt";
    std::remove(dump_path.c_str());
    EXPECT_EXIT(
        {
            std::atexit(dump_screen_at_exit);
            type_keys(GetParam().keys);
            riddle_run();
        },
        ::testing::ExitedWithCode(0), "");
    std::ifstream in(dump_path, std::ios::binary);
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);) rows.push_back(line);
    std::vector<std::string> expected = GetParam().last_screen;
    expected.resize(50);
    EXPECT_EQ(rows, expected);
}

INSTANTIATE_TEST_SUITE_P(
    plays, riddle_sequence,
    ::testing::Values(
        play{"all_right", to_level_4 + "#\xfe\xfe\rx",
             with(level_4_rows, {" >#\xfe\xfe", " Gut gemacht, auf zu Level 5"})},
        play{"level_1_wrong", "x8\rx", with(level_1_screen("8"), {" Falsch, ganz falsch"})},
        play{"level_1_leading_blanks_right", "x  7\rxWORMSx\rx",
             with(level_2_rows, {" >WORMSx", " Falsch, ganz falsch"})},
        play{"level_1_trailing_blank_wrong", "x7 \rx",
             with(level_1_screen("7"), {" Falsch, ganz falsch"})},
        play{"level_2_empty_wrong", "x7\rx\rx", with(level_2_rows, {" >", " Falsch, ganz falsch"})},
        play{"level_3_mixed_case_right", "x7\rxworms\rxdIv\rx#\xfe\xfe\rx",
             with(level_4_rows, {" >#\xfe\xfe", " Gut gemacht, auf zu Level 5"})},
        play{"level_3_comma_ends_answer", "x7\rxworms\rx,DIV\rx",
             with(level_3_rows, {" >,DIV", " Falsch, ganz falsch"})},
        play{"level_4_wrong", to_level_4 + "#\xfe\rx",
             with(level_4_rows, {" >#\xfe", " Falsch, ganz falsch.",
                                 " Aber hier ein Hinweis: Das ganze hat nichts mit dem",
                                 " Binearsystem zu tun."})},
        // Typed ahead while the praise waits: the second key opens the next answer.
        play{"key_typed_ahead_starts_the_answer", "x7\rxwworms\rx",
             with(level_2_rows, {" >wworms", " Falsch, ganz falsch"})}),
    [](const ::testing::TestParamInfo<play>& info) { return std::string(info.param.name); });

} // namespace

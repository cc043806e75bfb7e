#include "riddle/screens.hpp"

const std::array<screen_line, 14> greeting_screen = {
    empty_line,
    " Hallo und herzlich willkommen zu meinem tollen Raetsel.",
    " In diesem Raetsel gibt es keine genaue Aufgabenstellung.",
    " Ihr bekommt verschiedene Dinge zu sehen und muesst daraus",
    " selbst interpretieren, wie es weiter gehen wird.",
    " Wenn ihr denkt, dass ihr die Loesung fuer das Reatsel habt,",
    " dann muesst ihr diese Loesung einfach eingeben. Sofern sie ",
    " richtig ist, gelangt ihr zum neachsten Level, wo ein neues",
    " Reatsel auf euch wartet. ",
    empty_line,
    " Wenn ihr bereit seid, dann drueckt AnyKey, um zum 1. Level zu",
    " gelangen.",
    empty_line,
    " Gutes Gelingen ;)",
};

const std::array<screen_line, 5> level_2_screen = {
    blank_line, " Bravo, jetzt wird es ein wenig schwieriger.", blank_line, " 49.634508,8.351097",
    blank_line,
};

const std::array<screen_line, 6> level_3_screen = {
    blank_line,
    " Super geloest, war wohl doch zu einfach.",
    " Zur Abwechslung etwas noch einfacheres.",
    blank_line,
    " DOS int 00h -> QZ",
    blank_line,
};

const std::array<screen_line, 7> level_4_screen = {
    blank_line,
    " Wahnsinn, du hast es echt ins vierte Level geschafft.",
    " Nun gut, dann machen wir es jetzt aber schon ein wenig",
    " schwerer.",
    blank_line,
    " +1--+0+110-+0",
    blank_line,
};

const std::array<screen_line, 3> last_level_rebuke = {
    " Falsch, ganz falsch.",
    " Aber hier ein Hinweis: Das ganze hat nichts mit dem",
    " Binearsystem zu tun.",
};

screen_line praise_after_level(int level) {
    static constexpr std::array<screen_line, 4> praise = {
        " Gut gemacht, auf zu Level 2",
        " Gut gemacht, auf zu Level 3",
        " Gut gemacht, auf zu Level 4",
        " Gut gemacht, auf zu Level 5",
    };
    return praise.at(static_cast<std::size_t>(level - 1));
}

void print_lines(std::span<const screen_line> lines) {
    for (screen_line line : lines) print_text(byte_string(line), print_line_break);
}

// What the bytes of a terminal's key presses become.
#include "console/terminal/key_decoding.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct decoding_case {
    const char* name;
    std::string bytes;
    bool complete;
    std::int32_t code;
    std::size_t used;
};

const std::vector<decoding_case> decoding_cases = {
    {"letter", "a", false, 'a', 1},
    {"Enter", "\r", false, 13, 1},
    {"DEL is Backspace", "\x7f", false, 8, 1},
    {"Ctrl+H is Backspace", "\x08", false, 8, 1},
    {"Ctrl+U", "\x15", false, 21, 1},
    {"Ctrl+Space is no key", std::string(1, '\0'), false, 0, 1},
    {"Up", "\x1b[A", false, 0x48FF, 3},
    {"Down", "\x1b[B", false, 0x50FF, 3},
    {"Right", "\x1b[C", false, 0x4DFF, 3},
    {"Left", "\x1b[D", false, 0x4BFF, 3},
    {"Left in application mode", "\x1bOD", false, 0x4BFF, 3},
    {"Home", "\x1b[H", false, 0x47FF, 3},
    {"Home as 1~", "\x1b[1~", false, 0x47FF, 4},
    {"Home as 7~", "\x1b[7~", false, 0x47FF, 4},
    {"Home in application mode", "\x1bOH", false, 0x47FF, 3},
    {"End", "\x1b[F", false, 0x4FFF, 3},
    {"End as 4~", "\x1b[4~", false, 0x4FFF, 4},
    {"End as 8~", "\x1b[8~", false, 0x4FFF, 4},
    {"Insert", "\x1b[2~", false, 0x52FF, 4},
    {"Delete", "\x1b[3~", false, 0x53FF, 4},
    {"Page Up", "\x1b[5~", false, 0x49FF, 4},
    {"Page Down", "\x1b[6~", false, 0x51FF, 4},
    {"F1", "\x1bOP", false, 0x3BFF, 3},
    {"F1 as 11~", "\x1b[11~", false, 0x3BFF, 5},
    {"F1 of the Linux console", "\x1b[[A", false, 0x3BFF, 4},
    {"F5 of the Linux console", "\x1b[[E", false, 0x3FFF, 4},
    {"F4", "\x1bOS", false, 0x3EFF, 3},
    {"F5", "\x1b[15~", false, 0x3FFF, 5},
    {"F6", "\x1b[17~", false, 0x40FF, 5},
    {"F10", "\x1b[21~", false, 0x44FF, 5},
    {"F11", "\x1b[23~", false, 0x85FF, 5},
    {"F12", "\x1b[24~", false, 0x86FF, 5},
    {"Shift+Up is Up", "\x1b[1;2A", false, 0x48FF, 6},
    {"Ctrl+Left", "\x1b[1;5D", false, 0x73FF, 6},
    {"Ctrl+Home", "\x1b[1;5H", false, 0x77FF, 6},
    {"Shift+F1", "\x1b[1;2P", false, 0x54FF, 6},
    {"Ctrl+Delete", "\x1b[3;5~", false, 0x93FF, 6},
    {"only the first key is taken", "\x1b[Ax", false, 0x48FF, 3},
    {"a black square typed", "\xe2\x96\xa0", false, 0xFE, 3},
    {"a with umlaut typed", "\xc3\xa4", false, 132, 2},
    {"sharp s typed", "\xc3\x9f", false, 225, 2},
    {"a sign the code page lacks", "\xe2\x82\xac", false, '?', 3},
    {"a smiling face would be a control byte", "\xe2\x98\xba", false, '?', 3},
    {"a byte no character starts with", "\xff", false, '?', 1},
    {"a broken sequence",
     "\xe2"
     "a",
     false, '?', 1},
    {"unknown sequence swallowed", "\x1b[200~", false, 0, 6},
    {"focus report swallowed", "\x1b[I", false, 0, 3},
    {"unknown application key swallowed", "\x1bOx", false, 0, 3},
    {"Esc before another key", "\x1bx", false, 27, 1},
    {"Esc before Esc", "\x1b\x1b", false, 27, 1},
    {"lone Esc, nothing more coming", "\x1b", true, 27, 1},
    {"cut sequence, nothing more coming", "\x1b[1;5", true, 27, 1},
    {"cut character, nothing more coming", "\xe2\x96", true, '?', 2},
    {"a sequence without end", "\x1b[" + std::string(40, '1'), false, 0, 42},
};

TEST(key_decoding, bytes_become_key_codes) {
    for (const decoding_case& c : decoding_cases) {
        SCOPED_TRACE(c.name);
        decoded_key key = decode_terminal_key(c.bytes, c.complete);
        EXPECT_EQ(key.code, c.code);
        EXPECT_EQ(key.used, c.used);
    }
}

// An Esc that more bytes may still follow is not taken yet, so the arrow
// keys survive a slow line, and neither is half a character.
TEST(key_decoding, what_may_go_on_waits_for_more_bytes) {
    for (std::string bytes : {"\x1b", "\x1b[", "\x1bO", "\x1b[1;5", "\x1b[[", "\xe2", "\xe2\x96"}) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(decode_terminal_key(bytes, false).used, 0u);
    }
}

} // namespace

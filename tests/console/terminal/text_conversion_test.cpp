// Code page 437 bytes on a UTF-8 terminal, both ways.
#include "console/terminal/output.hpp"
#include "console/terminal/terminal.hpp"
#include "console/terminal/utf8.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

bool is_control(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

std::vector<char32_t> code_points(const std::string& utf8) {
    std::vector<char32_t> points;
    for (std::string_view rest = utf8; !rest.empty();) {
        utf8_character u = utf8_decode_one(rest);
        EXPECT_NE(u.used, 0u) << "cut UTF-8 in the output";
        if (u.used == 0) break;
        points.push_back(u.character);
        rest.remove_prefix(u.used);
    }
    return points;
}

TEST(terminal_text, no_control_byte_gets_through_but_line_ends_tab_backspace_and_bell) {
    for (int b = 0; b < 256; ++b) {
        std::string shown = terminal_text(std::string(1, static_cast<char>(b)));
        SCOPED_TRACE("byte " + std::to_string(b));
        if (b == '\r' || b == '\n' || b == '\t' || b == '\b' || b == '\a') {
            EXPECT_EQ(shown, std::string(1, static_cast<char>(b)));
            continue;
        }
        std::vector<char32_t> points = code_points(shown);
        ASSERT_EQ(points.size(), 1u);
        EXPECT_FALSE(is_control(points[0])) << std::hex << static_cast<unsigned>(points[0]);
    }
}

TEST(terminal_text, bytes_show_as_their_code_page_437_characters) {
    struct shown_as {
        std::string bytes;
        std::string utf8;
    };
    const std::vector<shown_as> cases = {
        {"\xFE", "■"},
        {"\x84", "ä"},
        {"\xE1", "ß"},
        {"\x01", "☺"},
        {"\x1B[2J", "←[2J"},
        {"\x7F", "⌂"},
        {std::string(1, '\0'), " "},
        {"a\r\nb", "a\r\nb"},
        {"\xDB\xB3", "█│"},
    };
    for (const shown_as& c : cases) EXPECT_EQ(terminal_text(c.bytes), c.utf8) << c.utf8;
}

TEST(typed_text, utf8_becomes_code_page_437_bytes) {
    struct typed_as {
        std::string utf8;
        std::string bytes;
    };
    const std::vector<typed_as> cases = {
        {"#■■", "#\xFE\xFE"},
        {"ä", "\x84"},
        {"Müße", "M\x81\xE1"
                 "e"},
        {"€", "?"},
        {"\xff", "?"},
        {"a\xe2\x96", "a?"},
        {"\t", "\t"},
    };
    for (const typed_as& c : cases) EXPECT_EQ(utf8_to_cp437(c.utf8), c.bytes) << c.utf8;
}

// Standard output sent into a file while a test writes.
class captured_output : public ::testing::Test {
  protected:
    void SetUp() override {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        char name[] = "/tmp/terminal-output-XXXXXX";
        file_ = mkstemp(name);
        unlink(name);
        dup2(file_, STDOUT_FILENO);
    }
    void TearDown() override {
        std::fflush(stdout);
        dup2(saved_, STDOUT_FILENO);
        close(saved_);
        close(file_);
    }
    std::string written() {
        std::fflush(stdout);
        std::string text(4096, '\0');
        ssize_t n = pread(file_, text.data(), text.size(), 0);
        text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        return text;
    }

  private:
    int saved_ = -1;
    int file_ = -1;
};

TEST_F(captured_output, writes_are_converted_and_a_clear_prints_nothing_into_a_file) {
    terminal_write("a\xFE\r\n\x1b", 5);
    terminal_clear();
    EXPECT_EQ(written(), "a■\r\n←");
}

TEST_F(captured_output, a_row_is_ended_only_once_begun) {
    terminal_write("\r\n", 2);
    terminal_end_row();
    terminal_write(" >", 2);
    terminal_end_row();
    EXPECT_EQ(written(), "\r\n >\r\n");
}

} // namespace

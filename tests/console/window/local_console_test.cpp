// The full-screen back-end without a desktop opens only at the machine's own
// console, never where the player could not reach it with a key.
#include "console/window/backend.hpp"
#include "console/window/local_console.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

struct terminal_case {
    const char* path;
    bool virtual_console;
};

class virtual_console : public ::testing::TestWithParam<terminal_case> {};

TEST_P(virtual_console, is_dev_tty_with_a_number) {
    EXPECT_EQ(is_virtual_console(GetParam().path), GetParam().virtual_console);
}

INSTANTIATE_TEST_SUITE_P(
    cases, virtual_console,
    ::testing::Values(terminal_case{"/dev/tty1", true}, terminal_case{"/dev/tty12", true},
                      terminal_case{"/dev/tty", false}, terminal_case{"/dev/ttyS0", false},
                      terminal_case{"/dev/ttyUSB0", false}, terminal_case{"/dev/pts/3", false},
                      terminal_case{"/dev/tty1x", false}));

const backend& kmsdrm() {
    for (const backend* b : windowing_backends())
        if (std::string(b->name) == "kmsdrm") return *b;
    throw std::logic_error("no kmsdrm back-end");
}

TEST(kmsdrm_back_end, refuses_a_windowed_open_and_any_open_through_ssh) {
    EXPECT_EQ(kmsdrm().open("raetsel", 500, 400, 32, 0, 0), 1);
    setenv("SSH_CONNECTION", "10.0.0.1 50000 10.0.0.2 22", 1);
    EXPECT_EQ(kmsdrm().open("raetsel", 500, 400, 32, 0, 1), 1);
    unsetenv("SSH_CONNECTION");
    kmsdrm().close();
}

TEST(windowing_back_ends, are_tried_x11_then_wayland_then_kmsdrm) {
    std::vector<std::string> names;
    for (const backend* b : windowing_backends()) names.emplace_back(b->name);
    EXPECT_EQ(names, (std::vector<std::string>{"x11", "wayland", "kmsdrm"}));
}

} // namespace

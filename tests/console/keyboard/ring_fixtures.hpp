// The key ring is one record of the process: every test starts it empty.
#pragma once

#include "console/keyboard/keyboard.hpp"
#include "support/null_screen.hpp"

#include <vector>

inline void drain_key_ring() {
    while (take_key() != 0) {
    }
}

// Every code the ring holds, oldest first; leaves it empty.
inline std::vector<std::int32_t> taken_keys() {
    std::vector<std::int32_t> codes;
    while (std::int32_t code = take_key()) codes.push_back(code);
    return codes;
}

class empty_ring : public ::testing::Test {
  protected:
    void SetUp() override { drain_key_ring(); }
    void TearDown() override { drain_key_ring(); }
};

class keyboard_screen : public null_screen {
  protected:
    void SetUp() override {
        null_screen::SetUp();
        drain_key_ring();
    }
    void TearDown() override {
        drain_key_ring();
        null_screen::TearDown();
    }
};

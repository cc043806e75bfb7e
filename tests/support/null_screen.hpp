// A memory-only screen for in-process tests, with keys fed by script and
// tones recorded instead of sounded.
#pragma once

#include "console/console.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Each step runs when the console sleeps waiting for a key, one step per
// sleep. A sleep with no step left fails the test.
extern std::deque<std::function<void()>> key_script;
// Every tone sounded, as (hertz, milliseconds).
extern std::vector<std::pair<std::int32_t, std::int32_t>> tones_played;

class null_screen : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

  public:
    // The characters of text row r (from 1) as bytes, one per column.
    static std::string row(int r);
    // The rows of the whole grid with trailing blanks cut.
    static std::vector<std::string> screen_rows();
    static std::uint32_t pixel(int x, int y);
};

// The rows of the open screen's grid with trailing blanks cut.
std::vector<std::string> null_screen_rows();

// Cuts trailing blanks.
std::string trimmed(std::string s);

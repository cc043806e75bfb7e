// A picture of a window's client area: grabbed from the X server, or drawn
// by a test, and saved as PNG.
#pragma once

#include "e2e/harness/x_types.hpp"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

struct picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB, row by row from the top

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    std::uint32_t& at(int x, int y) {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

picture blank_picture(int width, int height, std::uint32_t colour = 0);

// The top-left width x height pixels of a window; nothing when the window
// has gone or is smaller.
std::optional<picture> grab_window(x_connection display, x_window window, int width, int height);

// Writes a binary PPM and converts it to PNG with ImageMagick; false when
// either fails.
bool save_png(const picture& image, const std::filesystem::path& png);

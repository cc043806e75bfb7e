#include "e2e/harness/picture.hpp"

#include "e2e/harness/process.hpp"

#include <X11/Xutil.h>

#include <bit>
#include <fstream>
#include <memory>

namespace {

struct image_destroyer {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

// A channel of a pixel, scaled to 8 bits whatever the visual's mask.
std::uint32_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    unsigned long value = (pixel & mask) >> std::countr_zero(mask);
    unsigned long maximum = mask >> std::countr_zero(mask);
    return static_cast<std::uint32_t>(value * 255 / maximum);
}

} // namespace

picture blank_picture(int width, int height, std::uint32_t colour) {
    return {width, height,
            std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

std::optional<picture> grab_window(Display* display, Window window, int width, int height) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.width < width ||
        attributes.height < height)
        return std::nullopt;
    std::unique_ptr<XImage, image_destroyer> image(
        XGetImage(display, window, 0, 0, static_cast<unsigned>(width),
                  static_cast<unsigned>(height), AllPlanes, ZPixmap));
    if (!image) return std::nullopt;
    picture result = blank_picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned long pixel = XGetPixel(image.get(), x, y);
            result.at(x, y) = channel(pixel, image->red_mask) << 16 |
                              channel(pixel, image->green_mask) << 8 |
                              channel(pixel, image->blue_mask);
        }
    return result;
}

bool save_png(const picture& image, const std::filesystem::path& png) {
    std::filesystem::path ppm = png;
    ppm.replace_extension(".ppm");
    {
        std::ofstream out(ppm, std::ios::binary);
        out << "P6\n" << image.width << ' ' << image.height << "\n255\n";
        for (std::uint32_t pixel : image.pixels) {
            char rgb[3] = {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8),
                           static_cast<char>(pixel)};
            out.write(rgb, 3);
        }
        if (!out) return false;
    }
    spawn_options options;
    options.quiet = true;
    bool converted = run_command({"convert", ppm.string(), png.string()}, options) == 0;
    if (converted) std::filesystem::remove(ppm);
    return converted;
}

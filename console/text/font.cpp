#include "console/text/font_block.hpp"
#include "console/text/font_unpack.hpp"
#include "console/text/text.hpp"

#include <array>

const std::uint8_t* font_8x8() {
    // Unpacked once per run; a failed unpacking is not tried again and leaves
    // the glyphs it did not reach blank.
    static const std::array<std::uint8_t, font_block_size> block = [] {
        std::array<std::uint8_t, font_block_size> unpacked{};
        font_unpack(packed_font_block(), unpacked);
        return unpacked;
    }();
    return block.data() + font_8x8_offset;
}

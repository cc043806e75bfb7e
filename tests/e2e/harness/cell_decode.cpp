#include "e2e/harness/cell_decode.hpp"

#include "console/text/text.hpp"

#include <optional>
#include <unordered_map>

namespace {

constexpr int cell_size = 8;
constexpr std::uint64_t bottom_row = 0xFFull << 56;

// The 8 pixel rows of a glyph, row 1 in the low byte.
using glyph_bits = std::uint64_t;

glyph_bits glyph_of(int b) {
    const std::uint8_t* rows = font_8x8() + b * cell_size;
    glyph_bits bits = 0;
    for (int r = 0; r < cell_size; ++r) bits |= static_cast<glyph_bits>(rows[r]) << (8 * r);
    return bits;
}

// Which byte a glyph shape decodes as. Printable ASCII is preferred where
// shapes repeat, then the rest in order, so that blanks are 32.
const std::unordered_map<glyph_bits, std::uint8_t>& glyph_bytes() {
    static const auto table = [] {
        std::unordered_map<glyph_bits, std::uint8_t> shapes;
        for (int b = 32; b < 127; ++b) shapes.emplace(glyph_of(b), static_cast<std::uint8_t>(b));
        for (int b = 0; b < 256; ++b) shapes.emplace(glyph_of(b), static_cast<std::uint8_t>(b));
        return shapes;
    }();
    return table;
}

struct cell_reading {
    std::optional<std::uint8_t> byte;
    bool cursor_mark = false;
};

// The mark over a glyph whose bottom row is clear wins over a glyph that
// happens to have a full bottom row, such as an underscore.
cell_reading read_cell(glyph_bits bits) {
    const auto& shapes = glyph_bytes();
    if ((bits & bottom_row) == bottom_row) {
        auto under = shapes.find(bits & ~bottom_row);
        if (under != shapes.end()) return {under->second, true};
    }
    auto exact = shapes.find(bits);
    if (exact == shapes.end()) return {};
    return {exact->second, false};
}

glyph_bits cell_bits(const picture& image, int column, int row, int& stray) {
    glyph_bits bits = 0;
    for (int y = 0; y < cell_size; ++y)
        for (int x = 0; x < cell_size; ++x) {
            std::uint32_t pixel = image.at(column * cell_size + x, row * cell_size + y);
            if (pixel == white)
                bits |= glyph_bits{1} << (8 * y + x);
            else if (pixel != black)
                ++stray;
        }
    return bits;
}

void count_strip(const picture& image, decoded_screen& screen) {
    for (int y = 0; y < image.height; ++y)
        for (int x = text_columns * cell_size; x < image.width; ++x)
            if (image.at(x, y) != black) ++screen.lit_strip_pixels;
}

} // namespace

decoded_screen decode_screen(const picture& image) {
    decoded_screen screen;
    for (int row = 0; row < text_rows; ++row) {
        std::string& text = screen.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < text_columns; ++column) {
            int stray = 0;
            cell_reading cell = read_cell(cell_bits(image, column, row, stray));
            screen.stray_pixels += stray;
            if (stray > 0 || !cell.byte) {
                ++screen.unknown_cells;
                text += unknown_cell;
                continue;
            }
            text += static_cast<char>(*cell.byte);
            if (cell.cursor_mark) screen.cursor_marks.push_back({column + 1, row + 1});
        }
    }
    count_strip(image, screen);
    return screen;
}

char decoded_byte(char b) {
    return static_cast<char>(glyph_bytes().at(glyph_of(static_cast<std::uint8_t>(b))));
}

void draw_cells(picture& image, cell_position at, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        glyph_bits bits = glyph_of(static_cast<std::uint8_t>(bytes[i]));
        int left = (at.column - 1 + static_cast<int>(i)) * cell_size;
        int top = (at.row - 1) * cell_size;
        for (int y = 0; y < cell_size; ++y)
            for (int x = 0; x < cell_size; ++x)
                image.at(left + x, top + y) = bits >> (8 * y + x) & 1 ? white : black;
    }
}

void draw_cursor_mark(picture& image, cell_position at) {
    for (int x = 0; x < cell_size; ++x)
        image.at((at.column - 1) * cell_size + x, at.row * cell_size - 1) = white;
}

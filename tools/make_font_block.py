#!/usr/bin/env python3
"""Builds the console's font block from Debian's console-data fonts and writes
it, LZW-packed, as the C++ source console/text/font_block_data.cpp.

Usage: tools/make_font_block.py [--fonts DIR] OUTPUT

The block (10,742 bytes): the 8 x 8 font, the 8 x 14 font, the 8 x 16 font
(256 glyphs each, one byte per pixel row, bit 0 leftmost), then the palettes
of 2, 16, 64 and 256 colours as red, green, blue bytes.
"""

import argparse
import gzip
import sys

FONT_8X8 = "default8x9.psf.gz"
FONT_8X16 = "default8x16.psf.gz"
BLOCK_SIZE = 10742
PALETTE_OFFSET = 9728

END_CODE = 4095
LAST_DICTIONARY_CODE = 4094

# Rows the game relies on; a font that differs is the wrong font.
TELLING_GLYPHS = {
    65: [0x0C, 0x1E, 0x33, 0x33, 0x3F, 0x33, 0x33, 0x00],
    179: [0x18] * 8,
    196: [0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00],
    219: [0xFF] * 8,
}
BLANK_GLYPHS = (0, 32, 255)


def read_psf1(path, rows):
    data = gzip.open(path).read()
    if data[:2] != b"\x36\x04" or data[3] != rows:
        sys.exit(f"{path}: not a PSF1 font of {rows} rows")
    glyphs = data[4 : 4 + 256 * rows]
    if len(glyphs) != 256 * rows:
        sys.exit(f"{path}: fewer than 256 glyphs")
    return [list(glyphs[g * rows : (g + 1) * rows]) for g in range(256)]


def mirrored(byte):
    # PSF keeps the leftmost pixel in bit 7, the block in bit 0.
    return int(f"{byte:08b}"[::-1], 2)


def font_bytes(glyphs, first_row, row_count):
    out = bytearray()
    for index, rows in enumerate(glyphs):
        kept = [mirrored(b) for b in rows[first_row : first_row + row_count]]
        if index in BLANK_GLYPHS:
            kept = [0] * row_count
        out += bytes(kept)
    return out


def check_telling_glyphs(font):
    for index, rows in TELLING_GLYPHS.items():
        if list(font[index * 8 : index * 8 + 8]) != rows:
            sys.exit(f"glyph {index} is not the one expected")


def six_to_eight(value):
    return (value << 2) | (value >> 4)


def ega_64():
    # Bits 0-2: blue, green, red at two thirds; bits 3-5 the same at one third.
    colours = []
    for i in range(64):
        def level(high, low):
            return 0xAA * ((i >> high) & 1) + 0x55 * ((i >> low) & 1)
        colours.append((level(2, 5), level(1, 4), level(0, 3)))
    return colours


CGA_16 = [
    (0x00, 0x00, 0x00), (0x00, 0x00, 0xAA), (0x00, 0xAA, 0x00), (0x00, 0xAA, 0xAA),
    (0xAA, 0x00, 0x00), (0xAA, 0x00, 0xAA), (0xAA, 0x55, 0x00), (0xAA, 0xAA, 0xAA),
    (0x55, 0x55, 0x55), (0x55, 0x55, 0xFF), (0x55, 0xFF, 0x55), (0x55, 0xFF, 0xFF),
    (0xFF, 0x55, 0x55), (0xFF, 0x55, 0xFF), (0xFF, 0xFF, 0x55), (0xFF, 0xFF, 0xFF),
]

VGA_GREYS = [0x00, 0x05, 0x08, 0x0B, 0x0E, 0x11, 0x14, 0x18,
             0x1C, 0x20, 0x24, 0x28, 0x2D, 0x32, 0x38, 0x3F]

# The VGA default's colour ramps in 6-bit DAC values: for each brightness the
# five steps from the weakest to the strongest component, at three saturations.
VGA_RAMPS = [
    [0x00, 0x10, 0x1F, 0x2F, 0x3F], [0x1F, 0x27, 0x2F, 0x37, 0x3F], [0x2D, 0x31, 0x36, 0x3A, 0x3F],
    [0x00, 0x07, 0x0E, 0x15, 0x1C], [0x0E, 0x11, 0x15, 0x18, 0x1C], [0x14, 0x16, 0x18, 0x1A, 0x1C],
    [0x00, 0x04, 0x08, 0x0C, 0x10], [0x08, 0x0A, 0x0C, 0x0E, 0x10], [0x0B, 0x0C, 0x0D, 0x0F, 0x10],
]

# 24 hues from blue over red, yellow, green and cyan back towards blue, as
# ramp steps of red, green and blue.
VGA_HUES = [
    (0, 0, 4), (1, 0, 4), (2, 0, 4), (3, 0, 4), (4, 0, 4), (4, 0, 3), (4, 0, 2), (4, 0, 1),
    (4, 0, 0), (4, 1, 0), (4, 2, 0), (4, 3, 0), (4, 4, 0), (3, 4, 0), (2, 4, 0), (1, 4, 0),
    (0, 4, 0), (0, 4, 1), (0, 4, 2), (0, 4, 3), (0, 4, 4), (0, 3, 4), (0, 2, 4), (0, 1, 4),
]


def vga_256():
    colours = list(CGA_16)
    colours += [(six_to_eight(g),) * 3 for g in VGA_GREYS]
    for ramp in VGA_RAMPS:
        colours += [tuple(six_to_eight(ramp[step]) for step in hue) for hue in VGA_HUES]
    colours += [(0, 0, 0)] * 8
    return colours


def palettes():
    out = bytearray()
    for colours in ([(0, 0, 0), (0xFF, 0xFF, 0xFF)], CGA_16, ega_64(), vga_256()):
        for colour in colours:
            out += bytes(colour)
    return out


def font_block(fonts_dir):
    narrow = read_psf1(f"{fonts_dir}/{FONT_8X8}", 9)
    tall = read_psf1(f"{fonts_dir}/{FONT_8X16}", 16)
    font_8x8 = font_bytes(narrow, 0, 8)  # the 9th row repeats the 8th
    check_telling_glyphs(font_8x8)
    block = font_8x8 + font_bytes(tall, 1, 14) + font_bytes(tall, 0, 16)
    if len(block) != PALETTE_OFFSET:
        sys.exit("fonts of the wrong size")
    block += palettes()
    if len(block) != BLOCK_SIZE:
        sys.exit("palettes of the wrong size")
    return bytes(block)


def lzw_codes(data):
    dictionary = {bytes([b]): b for b in range(256)}
    next_code = 256
    codes = []
    current = b""
    for b in data:
        extended = current + bytes([b])
        if extended in dictionary:
            current = extended
            continue
        codes.append(dictionary[current])
        if next_code <= LAST_DICTIONARY_CODE:
            dictionary[extended] = next_code
            next_code += 1
        current = bytes([b])
    if current:
        codes.append(dictionary[current])
    codes.append(END_CODE)
    return codes


def packed(codes):
    if len(codes) % 2:
        codes = codes + [END_CODE]
    out = bytearray()
    for first, second in zip(codes[0::2], codes[1::2]):
        out += bytes([first & 0xFF, (first >> 8) | ((second & 0x0F) << 4), second >> 4])
    return bytes(out)


HEADER = """\
// Generated by tools/make_font_block.py; do not edit. Made with:
//   tools/make_font_block.py console/text/font_block_data.cpp
//
// The font block, LZW-packed: the 8 x 8, 8 x 14 and 8 x 16 fonts of code
// page 437 and the default palettes of 2, 16, 64 and 256 colours.
//
// The glyphs come from Debian's console-data package (Linux Console Tools
// data, derived from the kbd package), /usr/share/consolefonts/:
// default8x9.psf.gz gives the 8 x 8 font (its 9th row dropped) and
// default8x16.psf.gz the 8 x 16 font and the 8 x 14 font (the top and bottom
// rows dropped). Glyphs 0, 32 and 255 are blank. Those fonts are licensed
// under the GNU General Public License, version 2.0
// (/usr/share/doc/console-data/copyright); this program is licensed
// GPL-2.0-or-later, see LICENSE.
#include "console/text/font_block.hpp"

namespace {

// clang-format off
constexpr std::uint8_t packed[] = {
"""

FOOTER = """\
};
// clang-format on

} // namespace

std::span<const std::uint8_t> packed_font_block() {
    return packed;
}
"""


def source_text(data):
    lines = []
    for start in range(0, len(data), 16):
        chunk = data[start : start + 16]
        lines.append("    " + " ".join(f"0x{b:02X}," for b in chunk))
    return HEADER + "\n".join(lines) + "\n" + FOOTER


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--fonts", default="/usr/share/consolefonts")
    parser.add_argument("output")
    args = parser.parse_args()
    text = source_text(packed(lzw_codes(font_block(args.fonts))))
    with open(args.output, "w", encoding="ascii") as out:
        out.write(text)


if __name__ == "__main__":
    main()

// The built-in font block: three fonts of code page 437 and the default
// palettes, kept LZW-packed until first use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

inline constexpr std::size_t font_block_size = 10742;
inline constexpr std::size_t font_8x8_offset = 0;
inline constexpr std::size_t font_8x8_size = 256 * 8;
inline constexpr std::size_t font_8x14_offset = font_8x8_offset + font_8x8_size;
inline constexpr std::size_t font_8x16_offset = font_8x14_offset + 256 * 14;
inline constexpr std::size_t palettes_offset = font_8x16_offset + 256 * 16;

// The packed block, as tools/make_font_block.py wrote it.
std::span<const std::uint8_t> packed_font_block();

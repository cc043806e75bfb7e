#include "console/keyboard/keyboard.hpp"

namespace {

constexpr char32_t replacement = 0xFFFD;

struct sequence_start {
    int length; // bytes in all, 0 for a byte no sequence starts with
    char32_t bits;
    std::uint8_t second_low, second_high; // keeps out overlongs, surrogates, > U+10FFFF
};

sequence_start start_of(std::uint8_t lead) {
    if (lead < 0x80) return {1, lead, 0, 0};
    if (lead < 0xC2) return {0, 0, 0, 0};
    if (lead < 0xE0) return {2, lead & 0x1Fu, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x0D, 0x80, 0x9F};
    if (lead < 0xF0) return {3, lead & 0x0Fu, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0, 0x90, 0xBF};
    if (lead < 0xF4) return {4, lead & 0x07u, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 4, 0x80, 0x8F};
    return {0, 0, 0, 0};
}

} // namespace

// A broken sequence gives one U+FFFD for the bytes up to where it broke,
// and decoding goes on at the byte that broke it.
std::u32string decode_utf8(std::string_view bytes) {
    std::u32string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        sequence_start s = start_of(static_cast<std::uint8_t>(bytes[i++]));
        if (s.length == 0) {
            out += replacement;
            continue;
        }
        char32_t c = s.bits;
        int taken = 1;
        for (; taken < s.length && i < bytes.size(); ++taken, ++i) {
            auto b = static_cast<std::uint8_t>(bytes[i]);
            std::uint8_t low = taken == 1 ? s.second_low : 0x80;
            std::uint8_t high = taken == 1 ? s.second_high : 0xBF;
            if (b < low || b > high) break;
            c = (c << 6) | (b & 0x3Fu);
        }
        out += taken == s.length ? c : replacement;
    }
    return out;
}

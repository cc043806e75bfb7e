#include "console/terminal/utf8.hpp"

#include "console/keyboard/keyboard.hpp"

namespace {

constexpr char32_t replacement = 0xFFFD;

// Bytes of the sequence a lead byte starts; 1 for a byte that starts none.
std::size_t sequence_length(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 1;
}

bool is_continuation(char b) {
    return (static_cast<unsigned char>(b) & 0xC0) == 0x80;
}

bool is_control(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

} // namespace

utf8_character utf8_decode_one(std::string_view bytes) {
    if (bytes.empty()) return {};
    std::size_t length = sequence_length(static_cast<unsigned char>(bytes[0]));
    std::size_t taken = 1;
    while (taken < length && taken < bytes.size() && is_continuation(bytes[taken])) ++taken;
    if (taken < length)
        return taken == bytes.size() ? utf8_character{} : utf8_character{replacement, taken};
    std::u32string decoded = decode_utf8(bytes.substr(0, length));
    return {decoded.size() == 1 ? decoded[0] : replacement, length};
}

void utf8_append(std::string& out, char32_t c) {
    auto put = [&out](char32_t v) { out += static_cast<char>(v); };
    if (c < 0x80) return put(c);
    if (c < 0x800) {
        put(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
    }
    put(0x80 | (c & 0x3F));
}

std::string cp437_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char b : bytes) {
        char32_t c = cp437_to_unicode(static_cast<std::uint8_t>(b));
        utf8_append(out, is_control(c) ? U' ' : c);
    }
    return out;
}

unsigned char typed_cp437(char32_t c) {
    if (c < 0x80) return static_cast<unsigned char>(c);
    std::uint8_t b = cp437_from_unicode(c);
    return b < 0x20 ? '?' : b;
}

byte_string utf8_to_cp437(std::string_view text) {
    byte_string out;
    for (char32_t c : decode_utf8(text)) out += static_cast<char>(typed_cp437(c));
    return out;
}

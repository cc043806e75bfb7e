#include "console/window/title.hpp"

#include <cstdint>

namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";

// Length of the sequence a lead byte starts and the range its second byte
// must lie in; 0 for a byte that starts none.
struct lead {
    int length;
    std::uint8_t second_low, second_high;
};

lead lead_of(std::uint8_t b) {
    if (b < 0x80) return {1, 0, 0};
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF}; // no overlong forms
    if (b == 0xED) return {3, 0x80, 0x9F}; // no surrogates
    if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F}; // nothing past U+10FFFF
    return {0, 0, 0};
}

bool continuation(std::uint8_t b) {
    return b >= 0x80 && b <= 0xBF;
}

// How many bytes from the start of rest form one well-formed character;
// 0 when they do not, -1 when they would but the text ends first.
int well_formed(std::string_view rest) {
    lead l = lead_of(static_cast<std::uint8_t>(rest[0]));
    if (l.length <= 1) return l.length;
    for (int i = 1; i < l.length; ++i) {
        if (static_cast<std::size_t>(i) == rest.size()) return -1;
        auto b = static_cast<std::uint8_t>(rest[static_cast<std::size_t>(i)]);
        bool fits = i == 1 ? b >= l.second_low && b <= l.second_high : continuation(b);
        if (!fits) return 0;
    }
    return l.length;
}

} // namespace

std::string title_as_utf8(std::string_view bytes) {
    std::string text;
    while (!bytes.empty()) {
        int n = well_formed(bytes);
        if (n < 0) break;
        if (n == 0) {
            text += replacement;
            n = 1;
        } else {
            text += bytes.substr(0, static_cast<std::size_t>(n));
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return text;
}

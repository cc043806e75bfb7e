#include "console/terminal/key_decoding.hpp"

#include "console/keyboard/keyboard.hpp"
#include "console/terminal/utf8.hpp"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr char escape = 0x1B;
constexpr std::int32_t esc_key = 27;
constexpr std::int32_t backspace_key = 8;
constexpr std::size_t longest_sequence = 16;

struct pc_key {
    std::uint8_t scan_code;
    bool extended;
};

struct lettered_key {
    char final;
    pc_key key;
};

// CSI or SS3 sequences that end in a letter.
constexpr std::array<lettered_key, 10> lettered_keys = {{
    {'A', {0x48, true}},  // Up
    {'B', {0x50, true}},  // Down
    {'C', {0x4D, true}},  // Right
    {'D', {0x4B, true}},  // Left
    {'H', {0x47, true}},  // Home
    {'F', {0x4F, true}},  // End
    {'P', {0x3B, false}}, // F1
    {'Q', {0x3C, false}},
    {'R', {0x3D, false}},
    {'S', {0x3E, false}},
}};

struct numbered_key {
    int number;
    pc_key key;
};

// CSI number ~
constexpr std::array<numbered_key, 20> numbered_keys = {{
    {1, {0x47, true}},   {2, {0x52, true}},   {3, {0x53, true}},   {4, {0x4F, true}},
    {5, {0x49, true}},   {6, {0x51, true}},   {7, {0x47, true}},   {8, {0x4F, true}},
    {11, {0x3B, false}}, {12, {0x3C, false}}, {13, {0x3D, false}}, {14, {0x3E, false}},
    {15, {0x3F, false}}, {17, {0x40, false}}, {18, {0x41, false}}, {19, {0x42, false}},
    {20, {0x43, false}}, {21, {0x44, false}}, {23, {0x57, false}}, {24, {0x58, false}},
}};

// The Linux console's F1 to F5: CSI [ A to E.
constexpr std::array<char, 5> console_function_finals = {'A', 'B', 'C', 'D', 'E'};

std::optional<pc_key> lettered(char final) {
    auto it = std::find_if(lettered_keys.begin(), lettered_keys.end(),
                           [final](const lettered_key& k) { return k.final == final; });
    if (it == lettered_keys.end()) return std::nullopt;
    return it->key;
}

std::optional<pc_key> numbered(int number) {
    auto it = std::find_if(numbered_keys.begin(), numbered_keys.end(),
                           [number](const numbered_key& k) { return k.number == number; });
    if (it == numbered_keys.end()) return std::nullopt;
    return it->key;
}

// xterm's modifier parameter: 1 plus bits for Shift 1, Alt 2, Ctrl 4, Meta 8.
unsigned modifiers_from(int parameter) {
    int bits = std::max(parameter - 1, 0);
    unsigned modifiers = 0;
    if (bits & 1) modifiers |= modifier_shift;
    if (bits & (2 | 8)) modifiers |= modifier_alt;
    if (bits & 4) modifiers |= modifier_ctrl;
    return modifiers;
}

std::int32_t code_of(std::optional<pc_key> key, unsigned modifiers) {
    if (!key) return 0;
    return translate_key_down(key->scan_code, key->extended, modifiers, 0, 0);
}

struct parameters {
    int first = 1;
    int second = 1;
    bool plain = true; // digits and at most one ';'
};

parameters parse_parameters(std::string_view text) {
    parameters p;
    std::size_t semicolon = text.find(';');
    auto number = [&p](std::string_view digits, int fallback) {
        if (digits.empty()) return fallback;
        int value = 0;
        for (char d : digits) {
            if (d < '0' || d > '9')
                p.plain = false;
            else
                value = std::min(value * 10 + (d - '0'), 1000);
        }
        return value;
    };
    p.first = number(text.substr(0, semicolon), 1);
    if (semicolon != std::string_view::npos) p.second = number(text.substr(semicolon + 1), 1);
    return p;
}

decoded_key unfinished(bool complete) {
    if (complete) return {esc_key, 1};
    return {};
}

decoded_key decode_console_function(std::string_view bytes, bool complete) {
    if (bytes.size() < 4) return unfinished(complete);
    const auto* end = console_function_finals.end();
    const auto* it = std::find(console_function_finals.begin(), end, bytes[3]);
    if (it == end) return {0, 4};
    auto scan = static_cast<std::uint8_t>(0x3B + (it - console_function_finals.begin()));
    return {code_of(pc_key{scan, false}, 0), 4};
}

decoded_key decode_csi(std::string_view bytes, bool complete) {
    if (bytes.size() > 2 && bytes[2] == '[') return decode_console_function(bytes, complete);
    std::size_t pos = 2;
    while (pos < bytes.size() && bytes[pos] >= 0x30 && bytes[pos] <= 0x3F) ++pos;
    std::size_t parameters_end = pos;
    while (pos < bytes.size() && bytes[pos] >= 0x20 && bytes[pos] <= 0x2F) ++pos;
    if (pos == bytes.size())
        return pos > longest_sequence ? decoded_key{0, pos} : unfinished(complete);
    char final = bytes[pos];
    if (final < 0x40 || final > 0x7E) return {0, pos};
    parameters p = parse_parameters(bytes.substr(2, parameters_end - 2));
    if (!p.plain || parameters_end != pos) return {0, pos + 1};
    std::optional<pc_key> key = final == '~' ? numbered(p.first) : lettered(final);
    return {code_of(key, modifiers_from(p.second)), pos + 1};
}

decoded_key decode_ss3(std::string_view bytes, bool complete) {
    if (bytes.size() < 3) return unfinished(complete);
    return {code_of(lettered(bytes[2]), 0), 3};
}

decoded_key decode_escape(std::string_view bytes, bool complete) {
    if (bytes.size() == 1) return unfinished(complete);
    if (bytes[1] == '[') return decode_csi(bytes, complete);
    if (bytes[1] == 'O') return decode_ss3(bytes, complete);
    return {esc_key, 1};
}

decoded_key decode_character(std::string_view bytes, bool complete) {
    utf8_character u = utf8_decode_one(bytes);
    if (u.used == 0) return complete ? decoded_key{'?', bytes.size()} : decoded_key{};
    return {typed_cp437(u.character), u.used};
}

} // namespace

decoded_key decode_terminal_key(std::string_view bytes, bool complete) {
    if (bytes.empty()) return {};
    auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead == escape) return decode_escape(bytes, complete);
    if (lead == 0x7F) return {backspace_key, 1};
    if (lead == 0) return {0, 1};
    if (lead < 0x80) return {lead, 1};
    return decode_character(bytes, complete);
}

#include "console/keyboard/key_tables.hpp"
#include "console/keyboard/keyboard.hpp"

#include <algorithm>

namespace {

// Alt wins over Ctrl, Ctrl over Shift.
key_column column_of(unsigned modifiers) {
    if (modifiers & modifier_alt) return column_alt;
    if (modifiers & modifier_ctrl) return column_ctrl;
    if (modifiers & modifier_shift) return column_shift;
    return column_none;
}

std::int32_t code_of_cell(std::uint8_t x) {
    return x ? extended_key(x) : 0;
}

bool is_ascii_letter(key_character c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

// A layout that puts another character on the combination keeps it for
// itself: the press then gives no extended code.
bool character_matches_key(key_character character, key_character own) {
    if (character == own) return true;
    return is_ascii_letter(character) && is_ascii_letter(own) && (character ^ 0x20) == own;
}

std::int32_t translate_extended(std::uint8_t scan_code, unsigned modifiers) {
    auto row =
        std::find_if(extended_key_table.begin(), extended_key_table.end(),
                     [scan_code](const extended_key_row& r) { return r.scan_code == scan_code; });
    if (row == extended_key_table.end()) return 0;
    return code_of_cell(row->columns[column_of(modifiers)]);
}

} // namespace

std::int32_t translate_key_down(std::uint8_t scan_code, bool extended, unsigned modifiers,
                                key_character character, key_character own_character) {
    if (extended && character == 0) return translate_extended(scan_code, modifiers);
    if (scan_code >= scan_code_table.size()) return 0;
    key_column column = column_of(modifiers);
    if (column == column_none && character != 0) return 0;
    if (!character_matches_key(character, own_character)) return 0;
    return code_of_cell(scan_code_table[scan_code][column]);
}

// UTF-8, the encoding of the terminal, to and from code page 437 bytes.
#pragma once

#include "console/console.hpp"

#include <cstddef>
#include <string>
#include <string_view>

struct utf8_character {
    char32_t character = 0;
    std::size_t used = 0; // 0: the bytes end inside the character
};

// The first character of bytes; U+FFFD for the bytes of a broken one.
utf8_character utf8_decode_one(std::string_view bytes);

void utf8_append(std::string& out, char32_t c);

// The characters code page 437 shows for bytes. Bytes whose character would
// be a control character show as blanks, so no escape sequence gets out.
std::string cp437_to_utf8(std::string_view bytes);

// The code page 437 byte of a typed character: '?' for one the code page
// lacks or that would become a control byte.
unsigned char typed_cp437(char32_t c);

// Typed UTF-8 text as code page 437 bytes.
byte_string utf8_to_cp437(std::string_view text);

// Text to code page 437 on any bytes, valid UTF-8 or not: every character
// becomes one byte from 1 to 255, and what the code page shows maps back.
#include "console/keyboard/keyboard.hpp"
#include "console/terminal/utf8.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char32_t c : decode_utf8(text)) {
        if (c == 0) continue;
        const std::uint8_t b = cp437_from_unicode(c);
        if (b == 0) std::abort();
        if (cp437_from_unicode(cp437_to_unicode(b)) != b) std::abort();
    }
    byte_string typed = utf8_to_cp437(text);
    if (typed.size() > size) std::abort();
    // Shown back in UTF-8, nothing below a blank but line breaks and the like gets out.
    for (char c : cp437_to_utf8(text))
        if (static_cast<unsigned char>(c) < 32 && c != '\r' && c != '\n' && c != '\t' &&
            c != '\b' && c != '\a')
            std::abort();
    return 0;
}

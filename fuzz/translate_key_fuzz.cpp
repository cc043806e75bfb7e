// translate_key_down over its whole input space: none, or an extended code
// whose low byte is 255 and whose X is 1 to 255.
#include "console/keyboard/keyboard.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 11) return 0;
    char32_t character;
    char32_t own;
    std::memcpy(&character, data + 3, 4);
    std::memcpy(&own, data + 7, 4);
    const std::int32_t code = translate_key_down(data[0], data[1] & 1, data[2] & 7, character, own);
    if (code == 0) return 0;
    if ((code & 0xFF) != 0xFF || code < extended_key(1) || code > extended_key(255)) std::abort();
    return 0;
}

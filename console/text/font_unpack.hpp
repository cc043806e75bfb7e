// Unpacking of 12-bit LZW data: codes two in three bytes, 4095 ends, the
// dictionary 256..4094 is never reset.
#pragma once

#include <cstdint>
#include <span>

// Unpacks packed into out. True when the data ends with code 4095 and fills
// out exactly; false for data that is cut short, malformed, or too long for
// out. Never writes past out nor reads past packed; on failure out keeps what
// was unpacked before the fault.
bool font_unpack(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out);

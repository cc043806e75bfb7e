#include "console/text/font_unpack.hpp"

#include <array>
#include <cstddef>
#include <optional>

namespace {

constexpr std::uint16_t end_code = 4095;
constexpr std::uint16_t first_string_code = 256;

// Reads the codes in order, two from every three bytes.
struct code_reader {
    std::span<const std::uint8_t> packed;
    std::size_t index = 0;

    // nullopt when the bytes end before the code does.
    std::optional<std::uint16_t> next() {
        std::size_t low = index / 2 * 3 + index % 2;
        if (low + 1 >= packed.size()) return std::nullopt;
        unsigned code = index % 2 == 0 ? packed[low] | (packed[low + 1] & 0x0Fu) << 8
                                       : packed[low] >> 4 | packed[low + 1] << 4u;
        ++index;
        return static_cast<std::uint16_t>(code);
    }
};

// Every string of the dictionary already stands in the output: the previous
// string and the first byte of the one after it.
struct output_string {
    std::size_t start;
    std::size_t length;
};

using dictionary = std::array<output_string, end_code - first_string_code>;

// Where the string of code comes from, or nullopt for a code not yet given.
std::optional<output_string> string_of(std::uint16_t code, const dictionary& strings,
                                       std::size_t next_free, output_string previous) {
    if (code < first_string_code) return output_string{0, 1};
    if (code < next_free) return strings[code - first_string_code];
    // Not yet in the dictionary: the entry this very code is about to get.
    if (code == next_free) return output_string{previous.start, previous.length + 1};
    return std::nullopt;
}

} // namespace

bool font_unpack(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out) {
    code_reader codes{packed};
    std::optional<std::uint16_t> first = codes.next();
    if (!first) return false;
    if (*first == end_code) return out.empty();
    if (*first >= first_string_code || out.empty()) return false;
    out[0] = static_cast<std::uint8_t>(*first);

    dictionary strings{};
    std::size_t next_free = first_string_code;
    std::size_t produced = 1;
    output_string previous{0, 1};
    for (;;) {
        std::optional<std::uint16_t> code = codes.next();
        if (!code) return false;
        if (*code == end_code) return produced == out.size();
        std::optional<output_string> source = string_of(*code, strings, next_free, previous);
        if (!source || source->length > out.size() - produced) return false;
        if (*code < first_string_code) {
            out[produced] = static_cast<std::uint8_t>(*code);
        } else {
            // Forwards, byte by byte: the string may overlap what it writes.
            for (std::size_t i = 0; i < source->length; ++i)
                out[produced + i] = out[source->start + i];
        }
        if (next_free < end_code)
            strings[next_free++ - first_string_code] = {previous.start, previous.length + 1};
        previous = {produced, source->length};
        produced += source->length;
    }
}

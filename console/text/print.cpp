#include "console/text/column_counter.hpp"
#include "console/text/text.hpp"

#include <array>
#include <cinttypes>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr std::int32_t zone_width = 14;
constexpr std::string_view line_break = "\r\n";

bool wants_line_break(std::int32_t mask) {
    return mask & (print_line_break | print_line_break_too);
}

// Every write of a print operation moves the column counter.
void print_write(std::string_view bytes) {
    console_write(bytes.data(), static_cast<std::int32_t>(bytes.size()), 0);
    column_counter_count(bytes);
}

// Zones begin every 14 columns from column 1; from the last one that leaves
// a whole zone in the row on, the next zone is on the next row.
void advance_to_next_zone() {
    std::int32_t c = column_counter();
    std::int32_t zone = zone_width * ((c + zone_width) / zone_width) + 1;
    if (zone > text_grid_size().first - zone_width)
        print_write(line_break);
    else
        print_write(std::string(static_cast<std::size_t>(zone - (c + 1)), ' '));
}

// The formats by mask: plain, a trailing blank, a line break, both.
using number_formats = std::array<const char*, 4>;
constexpr number_formats unsigned_formats = {"%" PRIu32, "%" PRIu32 " ", "%" PRIu32 "\r\n",
                                             "%" PRIu32 " \r\n"};
constexpr number_formats signed_formats = {"% " PRId32, "% " PRId32 " ", "% " PRId32 "\r\n",
                                           "% " PRId32 " \r\n"};

template <typename Number>
void print_number(const number_formats& formats, Number v, std::int32_t mask) {
    std::size_t which = (mask & print_trailing_blank ? 1 : 0) + (wants_line_break(mask) ? 2 : 0);
    std::array<char, 32> formatted;
    int length = std::snprintf(formatted.data(), formatted.size(), formats[which], v);
    print_write(std::string_view(formatted.data(), static_cast<std::size_t>(length)));
    if (mask & print_zone) advance_to_next_zone();
}

} // namespace

void print_text(const byte_string& s, std::int32_t mask) {
    if (!s.empty()) print_write(s);
    if (wants_line_break(mask))
        print_write(line_break);
    else if (mask & print_zone)
        advance_to_next_zone();
}

void print_unsigned(std::uint32_t v, std::int32_t mask) {
    print_number(unsigned_formats, v, mask);
}

void print_signed(std::int32_t v, std::int32_t mask) {
    print_number(signed_formats, v, mask);
}

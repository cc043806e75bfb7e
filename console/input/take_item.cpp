#include "console/input/input.hpp"

#include <algorithm>
#include <new>
#include <string_view>

namespace {

constexpr char quote = '"';
constexpr char comma = ',';

std::size_t skip_blanks(std::string_view line, std::size_t pos) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    return pos;
}

// After a closing quote or a full-length item: blanks, then one comma.
std::size_t skip_separator(std::string_view line, std::size_t pos) {
    pos = skip_blanks(line, pos);
    return pos < line.size() && line[pos] == comma ? pos + 1 : pos;
}

} // namespace

byte_string take_item(input_state& state) {
    const std::string_view line = state.line;
    const auto limit = static_cast<std::size_t>(item_limit);
    std::size_t pos =
        skip_blanks(line, static_cast<std::size_t>(std::clamp<std::int64_t>(
                              state.read_pos, 0, static_cast<std::int64_t>(line.size()))));
    const bool quoted = pos < line.size() && line[pos] == quote;
    if (quoted) ++pos;
    const std::size_t end = std::min(line.find(quoted ? quote : comma, pos), line.size());

    byte_string item;
    if (end - pos > limit) {
        item.assign(line.substr(pos, limit));
        pos = skip_separator(line, pos + limit);
    } else {
        item.assign(line.substr(pos, end - pos));
        pos = end;
        if (quoted)
            pos = skip_separator(line, std::min(pos + 1, line.size()));
        else if (pos < line.size())
            ++pos;
    }
    state.read_pos = static_cast<std::int32_t>(pos);
    return item;
}

std::int32_t input_take_string(byte_string& destination) {
    try {
        destination = take_item(current_input_state());
    } catch (const std::bad_alloc&) {
        destination.clear();
    }
    return 0;
}

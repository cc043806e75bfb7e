#include "console/text/column_counter.hpp"

#include "console/text/text.hpp"

namespace {
std::int32_t counter = 0;
} // namespace

std::int32_t column_counter() {
    return counter;
}

void column_counter_set(std::int32_t column) {
    counter = column;
}

void column_counter_count(std::string_view written) {
    std::int32_t columns = text_grid_size().first;
    if (columns <= 0) return column_counter_set(0);
    auto line_end = written.find_last_of("\r\n");
    std::int64_t count = line_end == std::string_view::npos
                             ? std::int64_t{counter} + static_cast<std::int64_t>(written.size())
                             : static_cast<std::int64_t>(written.size() - line_end - 1);
    counter = static_cast<std::int32_t>(count % columns);
}

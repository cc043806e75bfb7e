// The item rules on any line: items stay within 4096 bytes, read_pos within
// the line, and every call consumes something until the line is used up.
#include "console/input/input.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    input_state state{byte_string(reinterpret_cast<const char*>(data), size), 0};
    std::size_t item_bytes = 0;
    while (static_cast<std::size_t>(state.read_pos) < state.line.size()) {
        const std::int32_t before = state.read_pos;
        byte_string item = take_item(state);
        item_bytes += item.size();
        if (item.size() > static_cast<std::size_t>(item_limit)) std::abort();
        if (state.read_pos < before) std::abort();
        if (static_cast<std::size_t>(state.read_pos) > state.line.size()) std::abort();
        // A call that takes nothing must leave only what no item can start with.
        if (state.read_pos == before && item.empty()) break;
    }
    if (item_bytes > size) std::abort();
    // At the end of the line the item is empty and read_pos stays.
    const std::int32_t end = state.read_pos;
    if (static_cast<std::size_t>(end) == size &&
        (!take_item(state).empty() || state.read_pos != end))
        std::abort();
    return 0;
}

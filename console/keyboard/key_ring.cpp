#include "console/keyboard/keyboard.hpp"

namespace {

// The one ring of the process, shared by every screen opened.
key_ring ring;

std::int32_t next_slot(std::int32_t index) {
    return (index + 1) % key_ring::slot_count;
}

} // namespace

void store_key(std::int32_t code) {
    ring.slots[ring.write_index] = code;
    ring.write_index = next_slot(ring.write_index);
    if (ring.write_index == ring.read_index) ring.read_index = next_slot(ring.read_index);
}

std::int32_t take_key() {
    if (key_ring_empty()) return 0;
    std::int32_t code = ring.slots[ring.read_index];
    ring.read_index = next_slot(ring.read_index);
    return code;
}

bool key_ring_empty() {
    return ring.read_index == ring.write_index;
}

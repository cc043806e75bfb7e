#include "console/window/backend.hpp"

#include <array>
#include <strings.h>

namespace {

struct pass {
    bool named_only;
    bool flip_full_screen;
};

constexpr std::array<pass, 2> passes_unset = {{{false, false}, {false, true}}};
constexpr std::array<pass, 4> passes_named = {
    {{true, false}, {false, false}, {true, true}, {false, true}}};

constexpr std::int32_t flag_full_screen = 1;

bool names_equal(const char* a, const char* b) {
    return strcasecmp(a, b) == 0;
}

} // namespace

const backend* choose_backend(std::span<const backend* const> list, const char* title,
                              std::int32_t width, std::int32_t height, std::int32_t depth,
                              std::int32_t refresh, std::int32_t flags, const char* qzgfx) {
    if (flags == -1 || (qzgfx && names_equal(qzgfx, "null"))) return &null_backend();
    std::span<const pass> passes = qzgfx ? std::span<const pass>(passes_named) : passes_unset;
    for (const pass& p : passes) {
        std::int32_t pass_flags = p.flip_full_screen ? flags ^ flag_full_screen : flags;
        for (const backend* b : list) {
            if (p.named_only && !names_equal(b->name, qzgfx)) continue;
            for (std::int32_t rate : {refresh, 0}) {
                if (b->open(title, width, height, depth, rate, pass_flags) == 0) return b;
                b->close();
            }
        }
    }
    return nullptr;
}

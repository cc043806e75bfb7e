// The rows between which output scrolls; one for the whole program.
#pragma once

#include <cstdint>

// Rows counted from 0, both inside the view.
struct text_view {
    std::int32_t top = 0;
    std::int32_t bottom = 0;
};

text_view& current_text_view();

#include "console/console.hpp"

#include <cstdio>
#include <cstdlib>

// screen_close is registered to run at exit, so the window closes on the way out.
void program_end(std::int32_t status) {
    std::fflush(stdout);
    std::exit(status);
}

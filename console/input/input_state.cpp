#include "console/input/input.hpp"

input_state& current_input_state() {
    static input_state state;
    return state;
}

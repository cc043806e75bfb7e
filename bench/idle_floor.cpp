// The floor under the game's idle cost: two threads that only sleep, one in
// the window thread's 10 ms cycle and one in the editor's 25 ms key poll.
// Whatever the game uses beyond this is its own work.
#include <chrono>
#include <thread>

namespace {

[[noreturn]] void sleep_forever(std::chrono::milliseconds pause) {
    for (;;) std::this_thread::sleep_for(pause);
}

} // namespace

int main() {
    std::thread window_cycle(sleep_forever, std::chrono::milliseconds(10));
    sleep_forever(std::chrono::milliseconds(25));
}

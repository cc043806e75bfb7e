// Text drawing on the memory-only screen, each measured next to a plain
// memset or memmove of the same pixel bytes; the ratio says how far the
// drawing is from moving memory.
#include "console/console.hpp"
#include "console/text/text.hpp"
#include "console/window/platform.hpp"
#include "console/window/screen_state.hpp"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using clock_type = std::chrono::steady_clock;
constexpr std::size_t text_row_bytes = 62 * 8 * sizeof(std::uint32_t);

template <typename Work>
double seconds_of(Work work) {
    auto start = clock_type::now();
    work();
    benchmark::ClobberMemory();
    return std::chrono::duration<double>(clock_type::now() - start).count();
}

std::uint32_t* pixel_row(int y) {
    const screen_state* s = current_screen();
    return s->page_table[0] + y * s->width;
}

// The time of the drawing is the benchmark's; the plain copy's is only the ratio's.
void report(benchmark::State& state, double drawn, double plain, double items,
            const char* rate_name) {
    state.counters[rate_name] = benchmark::Counter(items, benchmark::Counter::kIsRate);
    state.counters["vs_plain"] = plain > 0 ? drawn / plain : 0;
}

void full_row_runs(benchmark::State& state) {
    std::string line(62, 'A');
    for (std::size_t i = 0; i < line.size(); ++i) line[i] = static_cast<char>('!' + i);
    double drawn = 0, plain = 0, glyphs = 0;
    int row = 0;
    for (auto _ : state) {
        row = row % 49 + 1; // rows 1..49, so no write scrolls
        double t = seconds_of([&] {
            cursor_set(row, 1);
            console_write(line.data(), static_cast<std::int32_t>(line.size()), 0);
        });
        state.SetIterationTime(t);
        drawn += t;
        plain += seconds_of([&] {
            for (int y = (row - 1) * 8; y < row * 8; ++y)
                std::memset(pixel_row(y), row, text_row_bytes);
        });
        glyphs += 62;
    }
    report(state, drawn, plain, glyphs, "glyphs");
}

void full_screen_scroll(benchmark::State& state) {
    double drawn = 0, plain = 0, scrolls = 0;
    for (auto _ : state) {
        double t = seconds_of([] {
            cursor_set(50, 1);
            console_write("\n", 1, 0);
        });
        state.SetIterationTime(t);
        drawn += t;
        plain += seconds_of([] {
            for (int y = 8; y < 400; ++y)
                std::memmove(pixel_row(y - 8), pixel_row(y), text_row_bytes);
            for (int y = 392; y < 400; ++y) std::memset(pixel_row(y), 0, text_row_bytes);
        });
        scrolls += 1;
    }
    report(state, drawn, plain, scrolls, "scrolls");
}

void clear_the_screen(benchmark::State& state) {
    const std::size_t page_bytes = 500 * 400 * sizeof(std::uint32_t);
    double drawn = 0, plain = 0, clears = 0;
    for (auto _ : state) {
        double t = seconds_of([] { screen_clear(); });
        state.SetIterationTime(t);
        drawn += t;
        plain += seconds_of([&] { std::memset(pixel_row(0), 0, page_bytes); });
        clears += 1;
    }
    report(state, drawn, plain, clears, "clears");
}

void nothing_to_wait(std::int32_t) {}
void no_tone(std::int32_t, std::int32_t) {}

} // namespace

BENCHMARK(full_row_runs)->UseManualTime();
BENCHMARK(full_screen_scroll)->UseManualTime();
BENCHMARK(clear_the_screen)->UseManualTime();

int main(int argc, char** argv) {
    setenv("QZGFX", "null", 1);
    set_sleep_hook(nothing_to_wait);
    set_tone_hook(no_tone);
    if (screen_open(500, 400, 32, 0, 0, 0) != 0) return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

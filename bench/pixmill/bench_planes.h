#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

// The pixel planes of one benchmark size, made once and shared by every benchmark of that size:
// 24-bit source and destination with an alpha plane, filled with the same noise in every build.
namespace pixmill_bench {

struct BenchSize {
    int32_t width;
    int32_t height;
};

inline constexpr BenchSize kScreen = {640, 480};
// 4096 × 5461 pixels: 64 MiB a 24-bit plane, far beyond any cache.
inline constexpr BenchSize kLarge = {4096, 5461};

class BenchPlanes {
public:
    explicit BenchPlanes(BenchSize size);
    BenchPlanes(const BenchPlanes&) = delete;
    BenchPlanes& operator=(const BenchPlanes&) = delete;

    // The planes of a size, built on first use and kept for the rest of the run.
    static BenchPlanes& Of(BenchSize size);

    int32_t width;
    int32_t height;
    int32_t pitch;
    std::vector<uint8_t> src;
    std::vector<uint8_t> dst;
    std::vector<uint8_t> alpha;
};

// Runs body once an iteration and reports the rate as pixels per second with a metric prefix:
// 2.5G/s is 2500 Mpixel/s.
template <typename Body>
void Measure(benchmark::State& state, const BenchPlanes& planes, Body body) {
    for (auto _ : state) {
        body();
        benchmark::ClobberMemory();
    }
    const double pixels = static_cast<double>(planes.width) * planes.height;
    state.counters["pixels"] = benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
}

// Short runs: the whole table in a few seconds; pass --benchmark_min_time for steadier numbers.
// Rates use CPU time, so that other work on a shared machine does not count against a kernel.
#define PIXMILL_BENCH(fn, tag, ...)                                                                         \
    BENCHMARK_CAPTURE(fn, tag##_640x480, pixmill_bench::kScreen __VA_OPT__(, ) __VA_ARGS__)->MinTime(0.05); \
    BENCHMARK_CAPTURE(fn, tag##_64MiB, pixmill_bench::kLarge __VA_OPT__(, ) __VA_ARGS__)->MinTime(0.05)

}  // namespace pixmill_bench

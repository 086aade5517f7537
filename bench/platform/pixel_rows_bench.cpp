// A whole 640 x 480 frame widened from 24 to 32 bits, as the Windows host window does before every
// frame goes on the screen, through each form this processor offers.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/pixel_rows.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

void WidenFrame(benchmark::State& state, platform::WidenBgrRowForm widen) {
    if (widen == nullptr) {
        state.SkipWithError("this processor lacks the form");
        return;
    }
    std::vector<uint8_t> in(kWidth * 3 * kHeight);
    for (size_t i = 0; i < in.size(); ++i) in[i] = static_cast<uint8_t>(i * 7);
    std::vector<uint8_t> out(kWidth * 4 * kHeight);
    for (auto _ : state) {
        for (int row = 0; row < kHeight; ++row) widen(&in[row * kWidth * 3], &out[row * kWidth * 4], kWidth);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

BENCHMARK_CAPTURE(WidenFrame, plain, platform::WidenBgrRowPlain);
BENCHMARK_CAPTURE(WidenFrame, ssse3, platform::WidenBgrRowSsse3());

}  // namespace

BENCHMARK_MAIN();

#include <benchmark/benchmark.h>

#include <random>

#include "demo/base/bound_modules.h"
#include "demo/effects/effect_kernels.h"
#include "demo/effects/effects.h"
#include "testkit/reference_effects.h"
#include "testkit/test_surface.h"

// Every effect over a 640 x 480 screen, as the scenes call them, next to the plain per-pixel
// reference; the effects with SIMD kernels also through the plain kernel set, as
// PRELO_FORCE_BASELINE=1 runs them, and labelled with the set they drew with. Rates are in
// destination pixels.

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;

struct Frame {
    TestSurface screen{kWidth, kHeight};
    TestSurface picture{700, 530, {.alpha = true}};
    TestSurface tile{100, 70};
    Frame() {
        std::mt19937 random(7);
        screen.FillRandom(random);
        picture.FillRandom(random);
        tile.FillRandom(random);
        BuildMultiplyTable(GraphMultiplyTable());
        BuildScreenTable(GraphScreenTable(), GraphMultiplyTable());
    }
};

Frame& SharedFrame() {
    static Frame frame;
    return frame;
}

template <typename Draw>
void Run(benchmark::State& state, int64_t pixels, Draw draw) {
    Frame& f = SharedFrame();
    for (auto _ : state) {
        draw(f);
        benchmark::ClobberMemory();
    }
    state.counters["Mpixel/s"] = benchmark::Counter(
        static_cast<double>(pixels) * 1e-6 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

template <typename Draw>
void RunWithSet(benchmark::State& state, const EffectKernels& set, int64_t pixels, Draw draw) {
    UseEffectKernels(&set);
    state.SetLabel(set.name);
    Run(state, pixels, draw);
    UseEffectKernels(nullptr);
}

constexpr int64_t kScreen = int64_t{kWidth} * kHeight;
constexpr int32_t kQuad[8] = {212, 148, 471, 41, 577, 298, 318, 405};
const Vertex kSource[4] = {{0.0f, 0.0f}, {699.0f, 0.0f}, {699.0f, 529.0f}, {0.0f, 529.0f}};
// A turned picture that covers most of the screen and overhangs its edges.
const Vertex kTurned[4] = {{-60.0f, 40.0f}, {610.0f, -90.0f}, {700.0f, 430.0f}, {30.0f, 560.0f}};

void BM_ScanlineQuad(benchmark::State& s) {
    RunWithSet(s, ChosenEffectKernels(), kScreen, [](Frame& f) {
        ScanlineQuad(&f.screen, 0, 0, kWidth, kHeight, &f.picture, kQuad[0], kQuad[1], kQuad[2], kQuad[3], kQuad[4],
                     kQuad[5], kQuad[6], kQuad[7]);
    });
}
void BM_ScanlineQuadBaseline(benchmark::State& s) {
    RunWithSet(s, PlainEffectKernels(), kScreen, [](Frame& f) {
        ScanlineQuad(&f.screen, 0, 0, kWidth, kHeight, &f.picture, kQuad[0], kQuad[1], kQuad[2], kQuad[3], kQuad[4],
                     kQuad[5], kQuad[6], kQuad[7]);
    });
}
void BM_ScanlineQuadPlain(benchmark::State& s) {
    Run(s, kScreen, [](Frame& f) { reference::ScanlineQuad(&f.screen, 0, 0, kWidth, kHeight, &f.picture, kQuad); });
}
void BM_InterlaceQuad(benchmark::State& s) {
    RunWithSet(s, ChosenEffectKernels(), kScreen / 2, [](Frame& f) {
        InterlaceQuad(&f.screen, 0, 0, kWidth, kHeight, &f.picture, kQuad[0], kQuad[1], kQuad[2], kQuad[3], kQuad[4],
                      kQuad[5], kQuad[6], kQuad[7]);
    });
}
void BM_InterlaceQuadBaseline(benchmark::State& s) {
    RunWithSet(s, PlainEffectKernels(), kScreen / 2, [](Frame& f) {
        InterlaceQuad(&f.screen, 0, 0, kWidth, kHeight, &f.picture, kQuad[0], kQuad[1], kQuad[2], kQuad[3], kQuad[4],
                      kQuad[5], kQuad[6], kQuad[7]);
    });
}
void BM_InterlaceQuadPlain(benchmark::State& s) {
    Run(s, kScreen / 2,
        [](Frame& f) { reference::InterlaceQuad(&f.screen, 0, 0, kWidth, kHeight, &f.picture, kQuad); });
}
void BM_ScanlineTile(benchmark::State& s) {
    RunWithSet(s, ChosenEffectKernels(), kScreen,
               [](Frame& f) { ScanlineTile(&f.screen, 0, 0, kWidth, kHeight, &f.tile, 0, 0, 100, 70, 0, 333); });
}
void BM_ScanlineTileBaseline(benchmark::State& s) {
    RunWithSet(s, PlainEffectKernels(), kScreen,
               [](Frame& f) { ScanlineTile(&f.screen, 0, 0, kWidth, kHeight, &f.tile, 0, 0, 100, 70, 0, 333); });
}
void BM_ScanlineTilePlain(benchmark::State& s) {
    Run(s, kScreen,
        [](Frame& f) { reference::ScanlineTile(&f.screen, 0, 0, kWidth, kHeight, &f.tile, 0, 0, 100, 70, 0, 333); });
}
void BM_ScanlineMask(benchmark::State& s) {
    RunWithSet(s, ChosenEffectKernels(), kScreen, [](Frame& f) { ScanlineMask(&f.screen, 0, 0, kWidth, kHeight); });
}
void BM_ScanlineMaskBaseline(benchmark::State& s) {
    RunWithSet(s, PlainEffectKernels(), kScreen, [](Frame& f) { ScanlineMask(&f.screen, 0, 0, kWidth, kHeight); });
}
void BM_ScanlineMaskPlain(benchmark::State& s) {
    Run(s, kScreen, [](Frame& f) { reference::ScanlineMask(&f.screen, 0, 0, kWidth, kHeight); });
}
void BM_BoxBlurRows(benchmark::State& s) {
    const int32_t window = static_cast<int32_t>(s.range(0));
    int32_t shift = 0;
    while ((1 << shift) < window) ++shift;
    Run(s, kScreen, [=](Frame& f) { BoxBlurRows(&f.screen, 0, 0, &f.picture, 0, 0, kWidth, kHeight, window, shift); });
}
void BM_BoxBlurRowsPlain(benchmark::State& s) {
    const int32_t window = static_cast<int32_t>(s.range(0));
    int32_t shift = 0;
    while ((1 << shift) < window) ++shift;
    Run(s, kScreen,
        [=](Frame& f) { reference::BoxBlurRows(&f.screen, 0, 0, &f.picture, 0, 0, kWidth, kHeight, window, shift); });
}
void BM_TintMask(benchmark::State& s) {
    RunWithSet(s, ChosenEffectKernels(), kScreen,
               [](Frame& f) { TintMask(&f.screen, 0, 0, &f.picture, 0, 0, kWidth, kHeight, 64, 0, 255); });
}
void BM_TintMaskBaseline(benchmark::State& s) {
    RunWithSet(s, PlainEffectKernels(), kScreen,
               [](Frame& f) { TintMask(&f.screen, 0, 0, &f.picture, 0, 0, kWidth, kHeight, 64, 0, 255); });
}
void BM_TintMaskPlain(benchmark::State& s) {
    Run(s, kScreen,
        [](Frame& f) { reference::TintMask(&f.screen, 0, 0, &f.picture, 0, 0, kWidth, kHeight, 64, 0, 255); });
}
void BM_TintMaskScaled(benchmark::State& s) {
    RunWithSet(s, ChosenEffectKernels(), kScreen, [](Frame& f) {
        TintMaskScaled(&f.screen, 0, 0, kWidth, kHeight, &f.picture, 0.0f, 0.0f, 699.0f, 529.0f, 255, 255, 255);
    });
}
void BM_TintMaskScaledBaseline(benchmark::State& s) {
    RunWithSet(s, PlainEffectKernels(), kScreen, [](Frame& f) {
        TintMaskScaled(&f.screen, 0, 0, kWidth, kHeight, &f.picture, 0.0f, 0.0f, 699.0f, 529.0f, 255, 255, 255);
    });
}
void BM_TintMaskScaledPlain(benchmark::State& s) {
    Run(s, kScreen, [](Frame& f) {
        reference::TintMaskScaled(&f.screen, 0, 0, kWidth, kHeight, &f.picture, 0.0f, 0.0f, 699.0f, 529.0f, 255, 255,
                                  255);
    });
}
void BM_Afterimage16(benchmark::State& s) {
    RunWithSet(s, ChosenEffectKernels(), kScreen, [](Frame& f) {
        Afterimage16(&f.screen, 0, 0, kWidth, kHeight, &f.picture, 60.5f, 45.5f, 519.0f, 389.0f);
    });
}
void BM_Afterimage16Baseline(benchmark::State& s) {
    RunWithSet(s, PlainEffectKernels(), kScreen, [](Frame& f) {
        Afterimage16(&f.screen, 0, 0, kWidth, kHeight, &f.picture, 60.5f, 45.5f, 519.0f, 389.0f);
    });
}
void BM_Afterimage8(benchmark::State& s) {
    Run(s, kScreen,
        [](Frame& f) { Afterimage8(&f.screen, 0, 0, kWidth, kHeight, &f.picture, 60.5f, 45.5f, 519.0f, 389.0f); });
}
void BM_Afterimage4(benchmark::State& s) {
    Run(s, kScreen,
        [](Frame& f) { Afterimage4(&f.screen, 0, 0, kWidth, kHeight, &f.picture, 60.5f, 45.5f, 519.0f, 389.0f); });
}
void BM_AfterimagePlain(benchmark::State& s) {
    Run(s, kScreen, [](Frame& f) {
        reference::Afterimage(&f.screen, 0, 0, kWidth, kHeight, &f.picture, 60.5f, 45.5f, 519.0f, 389.0f, 239, 4);
    });
}
// ScreenQuad's rate counts the whole screen; the quad covers most of it.
void BM_ScreenQuad(benchmark::State& s) {
    RunWithSet(s, ChosenEffectKernels(), kScreen,
               [](Frame& f) { ScreenQuad(&f.screen, kTurned, &f.picture, kSource); });
}
void BM_ScreenQuadBaseline(benchmark::State& s) {
    RunWithSet(s, PlainEffectKernels(), kScreen, [](Frame& f) { ScreenQuad(&f.screen, kTurned, &f.picture, kSource); });
}
void BM_ScreenQuadPlain(benchmark::State& s) {
    Run(s, kScreen, [](Frame& f) { reference::ScreenQuad(&f.screen, kTurned, &f.picture, kSource); });
}

}  // namespace

BENCHMARK(BM_ScanlineQuad);
BENCHMARK(BM_ScanlineQuadBaseline);
BENCHMARK(BM_ScanlineQuadPlain);
BENCHMARK(BM_InterlaceQuad);
BENCHMARK(BM_InterlaceQuadBaseline);
BENCHMARK(BM_InterlaceQuadPlain);
BENCHMARK(BM_ScanlineTile);
BENCHMARK(BM_ScanlineTileBaseline);
BENCHMARK(BM_ScanlineTilePlain);
BENCHMARK(BM_ScanlineMask);
BENCHMARK(BM_ScanlineMaskBaseline);
BENCHMARK(BM_ScanlineMaskPlain);
BENCHMARK(BM_BoxBlurRows)->Arg(2)->Arg(64)->Arg(2048);
BENCHMARK(BM_BoxBlurRowsPlain)->Arg(2)->Arg(64);
BENCHMARK(BM_TintMask);
BENCHMARK(BM_TintMaskBaseline);
BENCHMARK(BM_TintMaskPlain);
BENCHMARK(BM_TintMaskScaled);
BENCHMARK(BM_TintMaskScaledBaseline);
BENCHMARK(BM_TintMaskScaledPlain);
BENCHMARK(BM_Afterimage16);
BENCHMARK(BM_Afterimage16Baseline);
BENCHMARK(BM_Afterimage8);
BENCHMARK(BM_Afterimage4);
BENCHMARK(BM_AfterimagePlain);
BENCHMARK(BM_ScreenQuad);
BENCHMARK(BM_ScreenQuadBaseline);
BENCHMARK(BM_ScreenQuadPlain);

BENCHMARK_MAIN();

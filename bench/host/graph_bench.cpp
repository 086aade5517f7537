// Full-screen passes of the host's drawing slots the demo calls every frame, through the kernel
// set this CPU gets ("best") and through the plain one, so the two can be compared.
#include <benchmark/benchmark.h>

#include "host/graph/graph.h"
#include "host/surfaces/memory_surface.h"

namespace {

using host::MemorySurface;

struct Screens {
    explicit Screens(benchmark::State& state)
        : graph(state.range(0) ? host::ChosenRowKernels() : host::PlainRowKernels()),
          dst(MemorySurface::Create(640, 480, MemorySurface::Planes::kPixels)),
          src(MemorySurface::Create(640, 480, MemorySurface::Planes::kPixelsAndAlpha)) {
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                uint8_t* p = src->PixelAt(x, y);
                p[0] = static_cast<uint8_t>(x), p[1] = static_cast<uint8_t>(y), p[2] = static_cast<uint8_t>(x ^ y);
                *src->AlphaAt(x, y) = static_cast<uint8_t>(x + y);
            }
        state.SetLabel(graph.Rows().name);
    }
    ~Screens() {
        dst->Release();
        src->Release();
    }
    host::Graph graph;
    ISurface* dst;
    ISurface* src;
};

void BM_Copy(benchmark::State& state) {
    Screens s(state);
    for (auto _ : state) s.graph.Copy(s.dst, 0, 0, s.src, 0, 0, 640, 480);
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}

void BM_BlendConst(benchmark::State& state) {
    Screens s(state);
    for (auto _ : state) s.graph.BlendConst(s.dst, 0, 0, s.src, 0, 0, 640, 480, 64);
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}

void BM_BlendAlpha(benchmark::State& state) {
    Screens s(state);
    for (auto _ : state) s.graph.BlendAlpha(s.dst, 0, 0, s.src, 0, 0, 640, 480);
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}

void BM_DimRect(benchmark::State& state) {
    Screens s(state);
    for (auto _ : state) s.graph.DimRect(s.dst, 0, 0, 640, 480, 160);
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}

void BM_TileOffset(benchmark::State& state) {
    Screens s(state);
    int offset = 0;
    for (auto _ : state) {
        ++offset;
        s.graph.TileOffset(s.dst, 0, 0, 640, 480, s.src, 0, 0, 97, 61, offset, offset);
    }
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}

void BM_BlendAlphaLevel(benchmark::State& state) {
    Screens s(state);
    for (auto _ : state) s.graph.BlendAlphaLevel(s.dst, 0, 0, s.src, 0, 0, 640, 480, 200);
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}

void BM_ZoomRect(benchmark::State& state) {
    Screens s(state);
    for (auto _ : state) s.graph.ZoomRect(s.dst, 0, 0, 640, 480, s.src, 160.5f, 120.5f, 319.0f, 239.0f, 16);
    state.SetItemsProcessed(state.iterations() * 640 * 480);
}

}  // namespace

BENCHMARK(BM_Copy)->ArgName("best")->Arg(1)->Arg(0);
BENCHMARK(BM_BlendConst)->ArgName("best")->Arg(1)->Arg(0);
BENCHMARK(BM_BlendAlpha)->ArgName("best")->Arg(1)->Arg(0);
BENCHMARK(BM_DimRect)->ArgName("best")->Arg(1)->Arg(0);
BENCHMARK(BM_TileOffset)->ArgName("best")->Arg(1)->Arg(0);
BENCHMARK(BM_BlendAlphaLevel)->ArgName("best")->Arg(1)->Arg(0);
BENCHMARK(BM_ZoomRect)->ArgName("best")->Arg(1)->Arg(0);
BENCHMARK_MAIN();

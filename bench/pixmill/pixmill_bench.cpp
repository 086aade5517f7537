// Throughput in Mpixel/s of the three operations over whole planes, each beside what it is
// measured against: memcpy row by row for Copy, the plain reference for the blends (and pixman's
// equivalents where it is built, see pixman_bench.cpp). The same jobs in every build, so the
// 32-bit Windows build's numbers compare with the native ones.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench_planes.h"
#include "pixmill/kernels.h"
#include "pixmill/reference.h"
#include "pixmill/row_table.h"

namespace {

using pixmill_bench::BenchPlanes;
using pixmill_bench::BenchSize;
using pixmill_bench::Measure;

constexpr uint32_t kConstAlpha = 64;

const uint8_t* const* Table() {
    static pixmill::RowTable table;
    if (!table.IsBuilt()) table.BuildBlendTable();
    return table.Rows();
}

pixmill::PixelJob WholePlane(BenchPlanes& planes) {
    return pixmill::PixelJob{planes.dst.data(),   planes.pitch, planes.src.data(), planes.pitch,
                             planes.alpha.data(), planes.width, planes.width,      planes.height};
}

enum class Kernels { Chosen, Sse2, Baseline };

// The SSE2 set is what x86 machines without AVX2 run; where it is missing the baseline stands in.
const pixmill::KernelSet& KernelsOf(Kernels which) {
    if (which == Kernels::Chosen) return pixmill::ChooseKernels();
    const pixmill::KernelSet* sets[8];
    const int32_t count = pixmill::AvailableKernelSets(sets, 8);
    for (int32_t k = 0; which == Kernels::Sse2 && k < count; ++k)
        if (std::strcmp(sets[k]->name, "sse2") == 0) return *sets[k];
    return pixmill::BaselineKernels();
}

void Copy_Pixmill(benchmark::State& state, BenchSize size, Kernels which) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    const pixmill::KernelSet& kernels = KernelsOf(which);
    state.SetLabel(kernels.name);
    Measure(state, planes, [&] { kernels.copy(WholePlane(planes)); });
}

void Copy_MemcpyRows(benchmark::State& state, BenchSize size) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    Measure(state, planes, [&] {
        for (int32_t y = 0; y < planes.height; ++y)
            std::memcpy(planes.dst.data() + y * planes.pitch, planes.src.data() + y * planes.pitch,
                        3 * static_cast<size_t>(planes.width));
    });
}

void BlendConst_Pixmill(benchmark::State& state, BenchSize size, Kernels which) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    const pixmill::KernelSet& kernels = KernelsOf(which);
    state.SetLabel(kernels.name);
    Measure(state, planes, [&] { kernels.blendConst(Table(), WholePlane(planes), kConstAlpha); });
}

void BlendConst_Reference(benchmark::State& state, BenchSize size) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    Measure(state, planes, [&] { pixmill::reference::BlendConst(Table(), WholePlane(planes), kConstAlpha); });
}

void BlendAlpha_Pixmill(benchmark::State& state, BenchSize size, Kernels which) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    const pixmill::KernelSet& kernels = KernelsOf(which);
    state.SetLabel(kernels.name);
    Measure(state, planes, [&] { kernels.blendAlpha(Table(), WholePlane(planes)); });
}

void BlendAlpha_Reference(benchmark::State& state, BenchSize size) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    Measure(state, planes, [&] { pixmill::reference::BlendAlpha(Table(), WholePlane(planes)); });
}

PIXMILL_BENCH(Copy_Pixmill, best, Kernels::Chosen);
PIXMILL_BENCH(Copy_Pixmill, sse2, Kernels::Sse2);
PIXMILL_BENCH(Copy_Pixmill, baseline, Kernels::Baseline);
PIXMILL_BENCH(Copy_MemcpyRows, plain);
PIXMILL_BENCH(BlendConst_Pixmill, best, Kernels::Chosen);
PIXMILL_BENCH(BlendConst_Pixmill, sse2, Kernels::Sse2);
PIXMILL_BENCH(BlendConst_Pixmill, baseline, Kernels::Baseline);
PIXMILL_BENCH(BlendConst_Reference, plain);
PIXMILL_BENCH(BlendAlpha_Pixmill, best, Kernels::Chosen);
PIXMILL_BENCH(BlendAlpha_Pixmill, sse2, Kernels::Sse2);
PIXMILL_BENCH(BlendAlpha_Pixmill, baseline, Kernels::Baseline);
PIXMILL_BENCH(BlendAlpha_Reference, plain);

}  // namespace

BENCHMARK_MAIN();

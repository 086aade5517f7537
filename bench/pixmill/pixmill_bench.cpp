// Throughput in Mpixel/s of the three operations over whole planes, each beside what it is
// measured against: memcpy row by row for Copy; the plain reference and pixman's equivalent
// composites for the blends (OVER of an opaque source through a solid mask for the constant
// alpha, through an a8 mask for the per-pixel alpha), in r8g8b8 and in x8r8g8b8.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench_planes.h"
#include "pixmill/kernels.h"
#include "pixmill/reference.h"
#include "pixmill/row_table.h"

namespace {

using pixmill_bench::BenchPlanes;
using pixmill_bench::BenchSize;
using pixmill_bench::kLarge;
using pixmill_bench::kScreen;

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

template <typename Body>
void Measure(benchmark::State& state, BenchPlanes& planes, Body body) {
    for (auto _ : state) {
        body();
        benchmark::ClobberMemory();
    }
    // Shown as pixels per second with a metric prefix: 2.5G/s is 2500 Mpixel/s.
    const double pixels = static_cast<double>(planes.width) * planes.height;
    state.counters["pixels"] = benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
}

enum class Kernels { Chosen, Sse2, Baseline };

// The SSE2 set is what x86 machines without AVX2 run; where it is missing the baseline stands in.
const pixmill::KernelSet& KernelsOf(Kernels which) {
    if (which == Kernels::Chosen) return pixmill::ChooseKernels();
    if (which == Kernels::Sse2 && pixmill::Sse2Kernels() != nullptr) return *pixmill::Sse2Kernels();
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

void Composite(BenchPlanes& planes, pixman_op_t op, pixman_image_t* src, pixman_image_t* mask, pixman_image_t* dst) {
    pixman_image_composite32(op, src, mask, dst, 0, 0, 0, 0, 0, 0, planes.width, planes.height);
}

void Copy_PixmanR8G8B8(benchmark::State& state, BenchSize size) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    Measure(state, planes, [&] { Composite(planes, PIXMAN_OP_SRC, planes.src24, nullptr, planes.dst24); });
}

void Copy_PixmanX8R8G8B8(benchmark::State& state, BenchSize size) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    Measure(state, planes, [&] { Composite(planes, PIXMAN_OP_SRC, planes.src32, nullptr, planes.dst32); });
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

void BlendConst_PixmanR8G8B8Solid(benchmark::State& state, BenchSize size) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    Measure(state, planes, [&] { Composite(planes, PIXMAN_OP_OVER, planes.src24, planes.solidMask, planes.dst24); });
}

void BlendConst_PixmanX8R8G8B8Solid(benchmark::State& state, BenchSize size) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    Measure(state, planes, [&] { Composite(planes, PIXMAN_OP_OVER, planes.src32, planes.solidMask, planes.dst32); });
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

void BlendAlpha_PixmanR8G8B8A8(benchmark::State& state, BenchSize size) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    Measure(state, planes, [&] { Composite(planes, PIXMAN_OP_OVER, planes.src24, planes.mask8, planes.dst24); });
}

void BlendAlpha_PixmanX8R8G8B8A8(benchmark::State& state, BenchSize size) {
    BenchPlanes& planes = BenchPlanes::Of(size);
    Measure(state, planes, [&] { Composite(planes, PIXMAN_OP_OVER, planes.src32, planes.mask8, planes.dst32); });
}

// Short runs: the whole table in a few seconds; pass --benchmark_min_time for steadier numbers.
// Rates use CPU time, so that other work on a shared machine does not count against a kernel.
#define PIXMILL_BENCH(fn, tag, ...)                                                          \
    BENCHMARK_CAPTURE(fn, tag##_640x480, kScreen __VA_OPT__(, ) __VA_ARGS__)->MinTime(0.05); \
    BENCHMARK_CAPTURE(fn, tag##_64MiB, kLarge __VA_OPT__(, ) __VA_ARGS__)->MinTime(0.05)

PIXMILL_BENCH(Copy_Pixmill, best, Kernels::Chosen);
PIXMILL_BENCH(Copy_Pixmill, sse2, Kernels::Sse2);
PIXMILL_BENCH(Copy_Pixmill, baseline, Kernels::Baseline);
PIXMILL_BENCH(Copy_MemcpyRows, plain);
PIXMILL_BENCH(Copy_PixmanR8G8B8, plain);
PIXMILL_BENCH(Copy_PixmanX8R8G8B8, plain);
PIXMILL_BENCH(BlendConst_Pixmill, best, Kernels::Chosen);
PIXMILL_BENCH(BlendConst_Pixmill, sse2, Kernels::Sse2);
PIXMILL_BENCH(BlendConst_Pixmill, baseline, Kernels::Baseline);
PIXMILL_BENCH(BlendConst_Reference, plain);
PIXMILL_BENCH(BlendConst_PixmanR8G8B8Solid, plain);
PIXMILL_BENCH(BlendConst_PixmanX8R8G8B8Solid, plain);
PIXMILL_BENCH(BlendAlpha_Pixmill, best, Kernels::Chosen);
PIXMILL_BENCH(BlendAlpha_Pixmill, sse2, Kernels::Sse2);
PIXMILL_BENCH(BlendAlpha_Pixmill, baseline, Kernels::Baseline);
PIXMILL_BENCH(BlendAlpha_Reference, plain);
PIXMILL_BENCH(BlendAlpha_PixmanR8G8B8A8, plain);
PIXMILL_BENCH(BlendAlpha_PixmanX8R8G8B8A8, plain);

}  // namespace

BENCHMARK_MAIN();

// Every kernel set the machine runs against the byte formulas, over seeded random lengths and
// start offsets with guard bytes on both sides of the destination; then whole Graph slots drawn
// through each SIMD set against the plain set on random surfaces and rectangles.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "host/graph/graph.h"
#include "host/graph/pixel_math.h"
#include "host/graph/row_kernels.h"
#include "simd/byte_rules.h"
#include "surface_helpers.h"

namespace {

using host::RowKernels;
using hosttest::TestSurface;

std::vector<const RowKernels*> KernelSets(bool withPlain) {
    const RowKernels* sets[8];
    const int32_t count = host::AvailableRowKernels(sets, 8);
    return std::vector<const RowKernels*>(sets + (withPlain ? 0 : 1), sets + count);
}

std::string SetName(const ::testing::TestParamInfo<const RowKernels*>& info) { return info.param->name; }

constexpr size_t kGuard = 64;

// n bytes starting offset bytes past a 64-byte boundary, inside random guard bytes.
struct GuardedBytes {
    GuardedBytes(size_t n, size_t offset, std::mt19937& random) : storage(n + offset + 2 * kGuard + 64) {
        for (uint8_t& b : storage) b = static_cast<uint8_t>(random());
        const auto raw = reinterpret_cast<uintptr_t>(storage.data()) + kGuard;
        start = storage.data() + ((raw + 63) & ~uintptr_t{63}) - reinterpret_cast<uintptr_t>(storage.data()) + offset;
    }
    std::vector<uint8_t> storage;
    uint8_t* start;
};

class RowKernelDiff : public ::testing::TestWithParam<const RowKernels*> {};

TEST_P(RowKernelDiff, EveryKernelMatchesItsByteFormulaOnRandomRows) {
    const RowKernels& k = *GetParam();
    for (uint32_t seed = 0; seed < 500; ++seed) {
        std::mt19937 random(seed);
        const size_t n = random() % 3 == 0 ? random() % 40 : random() % 2100;
        // Weights at the edges of their ranges as often as in between.
        const int32_t edges[] = {0, 1, 127, 128, 254, 255};
        const auto weight = static_cast<int32_t>(random() % 2 ? edges[random() % 6] : random() % 256);
        GuardedBytes dst(n, seed % 32, random), src(n, random() % 32, random), other(n, random() % 32, random);
        GuardedBytes weights(n, random() % 32, random);
        for (size_t i = 0; i < n; i += 7) weights.start[i] = edges[random() % 6];
        std::vector<uint8_t> want = dst.storage;
        uint8_t* w = want.data() + (dst.start - dst.storage.data());
        const int kernel = static_cast<int>(seed % 6);
        const auto lerp = static_cast<int32_t>(random() % 257);
        for (size_t i = 0; i < n; ++i) {
            if (kernel == 0) w[i] = simd::Mix(w[i], src.start[i], weight);
            if (kernel == 1) w[i] = simd::Mix(w[i], src.start[i], weights.start[i]);
            if (kernel == 2) w[i] = simd::Product(w[i], weight);
            if (kernel == 3) w[i] = host::Lerp(src.start[i], other.start[i], weight + (weight == 255));
            if (kernel == 4) w[i] = host::Lerp(src.start[i], other.start[i], weights.start[i]);
            if (kernel == 5) w[i] = simd::Mix(w[i], host::Lerp(src.start[i], other.start[i], lerp), weight);
        }
        if (kernel == 0) k.mixConst(dst.start, src.start, n, weight);
        if (kernel == 1) k.mixWeighted(dst.start, src.start, weights.start, n);
        if (kernel == 2) k.scaleConst(dst.start, n, weight);
        if (kernel == 3) k.lerpConst(dst.start, src.start, other.start, n, weight + (weight == 255));
        if (kernel == 4) k.lerpWeighted(dst.start, src.start, other.start, weights.start, n);
        if (kernel == 5) k.lerpMixConst(dst.start, src.start, other.start, n, lerp, weight);
        ASSERT_EQ(want, dst.storage) << "seed " << seed << " kernel " << kernel << " n " << n << " weight " << weight;
    }
}

// Alpha in runs of 0 and 255 as well as graded, so that every coverage answer comes up.
TEST_P(RowKernelDiff, SpreadWeightsMatchesScalePerPixelAndSaysWhatCameOut) {
    const RowKernels& k = *GetParam();
    for (uint32_t seed = 0; seed < 300; ++seed) {
        std::mt19937 random(seed);
        const size_t pixels = 1 + random() % 70;
        const uint32_t kind = random() % 4;
        const int32_t level = random() % 3 == 0 ? 255 : static_cast<int32_t>(random() % 256);
        GuardedBytes alpha(pixels, seed % 32, random);
        for (size_t i = 0; i < pixels; ++i)
            alpha.start[i] = kind == 0 ? 0 : kind == 1 ? 255 : kind == 2 && i % 17 ? 255 : alpha.start[i];
        GuardedBytes weights(3 * pixels, random() % 32, random);
        std::vector<uint8_t> want = weights.storage;
        uint8_t* w = want.data() + (weights.start - weights.storage.data());
        bool anySet = false, allFull = true;
        for (size_t i = 0; i < pixels; ++i) {
            w[3 * i] = w[3 * i + 1] = w[3 * i + 2] = simd::Product(alpha.start[i], level);
            anySet |= w[3 * i] != 0;
            allFull &= w[3 * i] == 255;
        }
        const host::Coverage coverage = !anySet   ? host::Coverage::kClear
                                        : allFull ? host::Coverage::kOpaque
                                                  : host::Coverage::kMixed;
        EXPECT_EQ(coverage, k.spreadWeights(alpha.start, pixels, level, weights.start)) << "seed " << seed;
        ASSERT_EQ(want, weights.storage) << "seed " << seed;
    }
}

TEST_P(RowKernelDiff, InPlaceMixEqualsMixFromACopy) {
    const RowKernels& k = *GetParam();
    std::mt19937 random(7);
    GuardedBytes row(1000, 5, random);
    std::vector<uint8_t> want(row.start, row.start + 1000);
    for (uint8_t& b : want) b = simd::Mix(b, b, 100);
    k.mixConst(row.start, row.start, 1000, 100);
    EXPECT_EQ(want, std::vector<uint8_t>(row.start, row.start + 1000));
}

INSTANTIATE_TEST_SUITE_P(Sets, RowKernelDiff, ::testing::ValuesIn(KernelSets(true)), SetName);

// Random pictures: alpha in runs of clear, opaque and graded, as the demo's pictures have.
void Paint(TestSurface& s, std::mt19937& random) {
    for (int32_t y = 0; y < s->Height(); ++y) {
        uint8_t* row = s->PixelAt(0, y);
        if (row)
            for (int32_t i = 0; i < 3 * s->Width(); ++i) row[i] = static_cast<uint8_t>(random());
        for (int32_t x = 0; s->AlphaAt(0, y) && x < s->Width();) {
            const int32_t run = 1 + static_cast<int32_t>(random() % 50);
            const uint32_t kind = random() % 3;
            for (int32_t i = 0; i < run && x < s->Width(); ++i, ++x)
                s.SetAlpha(x, y, kind == 0 ? 0 : kind == 1 ? 255 : static_cast<uint8_t>(random()));
        }
    }
}

std::vector<uint8_t> Bytes(const TestSurface& s) {
    std::vector<uint8_t> out;
    for (int32_t y = 0; y < s->Height(); ++y)
        out.insert(out.end(), s->PixelAt(0, y), s->PixelAt(0, y) + 3 * s->Width());
    return out;
}

void Assign(const TestSurface& to, const TestSurface& from) {
    for (int32_t y = 0; y < from->Height(); ++y)
        std::memcpy(to->PixelAt(0, y), from->PixelAt(0, y), static_cast<size_t>(from->Width()) * 3);
}

using Slot = std::function<void(host::Graph&, ISurface* dst, ISurface* src, const int32_t* r)>;

struct NamedSlot {
    const char* name;
    Slot draw;
};

// r holds random rectangle values (some off the surfaces) and a level, shared by both draws.
const NamedSlot kSlots[] = {
    {"Copy", [](host::Graph& g, ISurface* d, ISurface* s,
                const int32_t* r) { g.Copy(d, r[0], r[1], s, r[2], r[3], r[4], r[5]); }},
    {"CopyLevel", [](host::Graph& g, ISurface* d, ISurface* s,
                     const int32_t* r) { g.CopyLevel(d, r[0], r[1], s, r[2], r[3], r[4], r[5], r[6]); }},
    {"BlendConst", [](host::Graph& g, ISurface* d, ISurface* s,
                      const int32_t* r) { g.BlendConst(d, r[0], r[1], s, r[2], r[3], r[4], r[5], r[6]); }},
    {"BlendAlpha", [](host::Graph& g, ISurface* d, ISurface* s,
                      const int32_t* r) { g.BlendAlpha(d, r[0], r[1], s, r[2], r[3], r[4], r[5]); }},
    {"BlendAlphaLevel", [](host::Graph& g, ISurface* d, ISurface* s,
                           const int32_t* r) { g.BlendAlphaLevel(d, r[0], r[1], s, r[2], r[3], r[4], r[5], r[6]); }},
    {"BlendLevel", [](host::Graph& g, ISurface* d, ISurface* s,
                      const int32_t* r) { g.BlendLevel(d, r[0], r[1], s, r[2], r[3], r[4], r[5], r[6]); }},
    {"ShapeColorLevel",
     [](host::Graph& g, ISurface* d, ISurface* s, const int32_t* r) {
         g.ShapeColorLevel(d, r[0], r[1], s, r[2], r[3], r[4], r[5], 30, 140, 250, r[6]);
     }},
    {"FillRectLevel", [](host::Graph& g, ISurface* d, ISurface*,
                         const int32_t* r) { g.FillRectLevel(d, r[0], r[1], r[4], r[5], 200, 9, 77, r[6]); }},
    {"DimRect",
     [](host::Graph& g, ISurface* d, ISurface*, const int32_t* r) { g.DimRect(d, r[0], r[1], r[4], r[5], r[6]); }},
    {"TileOffsetLevel",
     [](host::Graph& g, ISurface* d, ISurface* s, const int32_t* r) {
         g.TileOffsetLevel(d, r[0], r[1], r[4], r[5], s, r[2], r[3], 1 + r[4] / 3, 1 + r[5] / 2, r[0] * 7, r[1], r[6]);
     }},
    // Magnified, columns are gathered four at a time; shrunk, one by one; in between, both ways.
    {"ZoomRect",
     [](host::Graph& g, ISurface* d, ISurface* s, const int32_t* r) {
         g.ZoomRect(d, r[0], r[1], r[4], r[5], s, r[2] + 0.3f, r[3] * 0.7f, r[4] * 0.45f + 1, r[5] * 1.7f + 1, r[6]);
     }},
    {"ZoomRectShrinking",
     [](host::Graph& g, ISurface* d, ISurface* s, const int32_t* r) {
         g.ZoomRect(d, r[0], r[1], r[4], r[5], s, r[2] - 0.6f, r[3], r[4] * 1.6f + 1, r[5] * 0.3f + 1, r[6]);
     }},
    {"ZoomRectNearlyOneToOne",
     [](host::Graph& g, ISurface* d, ISurface* s, const int32_t* r) {
         g.ZoomRect(d, r[0], r[1], r[4], r[5], s, r[2] * 0.5f, r[3] + 0.5f, r[4] * 1.02f, r[5] * 1.0f, r[6]);
     }},
};

class GraphKernelDiff : public ::testing::TestWithParam<const RowKernels*> {};

TEST_P(GraphKernelDiff, EverySlotDrawsThePlainSetsBytes) {
    host::Graph plain(host::PlainRowKernels());
    host::Graph fast(*GetParam());
    for (uint32_t seed = 0; seed < 60; ++seed) {
        std::mt19937 random(seed);
        const auto size = [&](uint32_t most) { return 1 + static_cast<int32_t>(random() % most); };
        TestSurface src(size(300), size(40), host::MemorySurface::Planes::kPixelsAndAlpha);
        TestSurface a(size(300), size(40), host::MemorySurface::Planes::kPixels);
        TestSurface b(a->Width(), a->Height(), host::MemorySurface::Planes::kPixels);
        Paint(src, random);
        Paint(a, random);
        const auto coord = [&](int32_t extent) { return static_cast<int32_t>(random() % (extent + 40)) - 20; };
        const int32_t levels[] = {0, 1, 128, 255, 256, -1, 300};
        const int32_t r[] = {coord(a->Width()),
                             coord(a->Height()),
                             coord(src->Width()),
                             coord(src->Height()),
                             size(320),
                             size(45),
                             random() % 2 ? levels[random() % 7] : static_cast<int32_t>(random() % 256)};
        for (const NamedSlot& slot : kSlots) {
            Assign(b, a);
            slot.draw(plain, a.get(), src.get(), r);
            slot.draw(fast, b.get(), src.get(), r);
            ASSERT_EQ(Bytes(a), Bytes(b)) << slot.name << " seed " << seed;
        }
    }
}

// A surface drawn onto itself, shifted every way, gets what a copy of it would have given.
TEST_P(GraphKernelDiff, DrawingASurfaceOntoItselfReadsItAsItWasBefore) {
    host::Graph graph(*GetParam());
    const int32_t shifts[][2] = {{1, 1}, {-1, -1}, {5, 0}, {-5, 0}, {0, 2}, {0, -2}, {3, -1}, {40, 3}};
    for (const auto& shift : shifts) {
        for (const int32_t level : {255, 128}) {
            std::mt19937 random(static_cast<uint32_t>(shift[0] * 31 + shift[1] + level));
            TestSurface self(50, 9, host::MemorySurface::Planes::kPixels);
            TestSurface copy(50, 9, host::MemorySurface::Planes::kPixels);
            TestSurface want(50, 9, host::MemorySurface::Planes::kPixels);
            Paint(self, random);
            Assign(copy, self);
            Assign(want, self);
            graph.BlendLevel(want.get(), shift[0], shift[1], copy.get(), 0, 0, 50, 9, level);
            graph.BlendLevel(self.get(), shift[0], shift[1], self.get(), 0, 0, 50, 9, level);
            EXPECT_EQ(Bytes(want), Bytes(self)) << shift[0] << "," << shift[1] << " level " << level;
            Assign(copy, self);
            graph.TileOffsetLevel(want.get(), 0, 0, 50, 9, copy.get(), 2, 1, 17, 5, shift[0], shift[1], level);
            graph.TileOffsetLevel(self.get(), 0, 0, 50, 9, self.get(), 2, 1, 17, 5, shift[0], shift[1], level);
            EXPECT_EQ(Bytes(want), Bytes(self)) << "Tile " << shift[0] << "," << shift[1] << " level " << level;
            Assign(copy, self);
            graph.ZoomRect(want.get(), shift[0], shift[1], 50, 9, copy.get(), 3.5f, 1.25f, 30.0f, 6.0f, level);
            graph.ZoomRect(self.get(), shift[0], shift[1], 50, 9, self.get(), 3.5f, 1.25f, 30.0f, 6.0f, level);
            EXPECT_EQ(Bytes(want), Bytes(self)) << "Zoom " << shift[0] << "," << shift[1] << " level " << level;
            if (level != 255) continue;
            Paint(self, random);
            Assign(copy, self);
            Assign(want, self);
            graph.Copy(want.get(), shift[0], shift[1], copy.get(), 0, 0, 50, 9);
            graph.Copy(self.get(), shift[0], shift[1], self.get(), 0, 0, 50, 9);
            EXPECT_EQ(Bytes(want), Bytes(self)) << "Copy " << shift[0] << "," << shift[1];
        }
    }
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GraphKernelDiff);
INSTANTIATE_TEST_SUITE_P(Sets, GraphKernelDiff, ::testing::ValuesIn(KernelSets(false)), SetName);

}  // namespace

// Rectangles partly or wholly outside either surface, checked against a per-pixel reference
// that tests every coordinate. Surfaces are allocated to the byte, so the sanitizer builds also
// catch any access outside a plane.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "host/graph/graph.h"
#include "surface_helpers.h"

namespace {

using host::MemorySurface;
using hosttest::TestSurface;

struct Case {
    int32_t dx, dy, sx, sy, w, h;
};

std::vector<Case> Cases() {
    std::vector<Case> cases = {
        {0, 0, 0, 0, 0, 0},
        {-3, -3, 0, 0, 5, 5},
        {0, 0, -4, -2, 9, 9},
        {9, 5, 0, 0, 4, 4},
        {INT_MIN, 0, 0, 0, INT_MAX, 3},
        {0, INT_MAX, 0, 0, 3, INT_MAX},
        {INT_MAX, INT_MAX, INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {2, 2, 1, 1, -5, 3},
    };
    std::mt19937 random(2024);
    std::uniform_int_distribution<int32_t> coord(-12, 16);
    for (int i = 0; i < 300; ++i)
        cases.push_back({coord(random), coord(random), coord(random), coord(random), coord(random), coord(random)});
    return cases;
}

bool Inside(int64_t x, int64_t y, int32_t w, int32_t h) { return x >= 0 && y >= 0 && x < w && y < h; }

void Paint(TestSurface& s, uint32_t seed) {
    std::mt19937 random(seed);
    for (int y = 0; y < s->Height(); ++y)
        for (int x = 0; x < s->Width(); ++x) {
            if (s->PixelAt(x, y))
                s.SetPixel(x, y, static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                           static_cast<uint8_t>(random()));
            if (s->AlphaAt(x, y)) s.SetAlpha(x, y, static_cast<uint8_t>(random() & 1 ? 255 : 0));
        }
}

TEST(GraphClip, CopyAndShapeTouchExactlyThePixelsInsideBothSurfaces) {
    host::Graph graph;
    TestSurface src(7, 5, MemorySurface::Planes::kPixelsAndAlpha);
    Paint(src, 1);
    for (const Case& c : Cases()) {
        TestSurface copied(9, 6, MemorySurface::Planes::kPixels);
        TestSurface shaped(9, 6, MemorySurface::Planes::kPixels);
        TestSurface reference(9, 6, MemorySurface::Planes::kPixels);
        TestSurface shapeReference(9, 6, MemorySurface::Planes::kPixels);
        for (TestSurface* s : {&copied, &shaped, &reference, &shapeReference}) Paint(*s, 2);
        graph.Copy(copied.get(), c.dx, c.dy, src.get(), c.sx, c.sy, c.w, c.h);
        graph.ShapeColor(shaped.get(), c.dx, c.dy, src.get(), c.sx, c.sy, c.w, c.h, 1, 2, 3);
        for (int64_t j = 0; j < std::min<int64_t>(c.h, 64); ++j)
            for (int64_t i = 0; i < std::min<int64_t>(c.w, 64); ++i) {
                const int64_t x = int64_t{c.dx} + i, y = int64_t{c.dy} + j;
                const int64_t u = int64_t{c.sx} + i, v = int64_t{c.sy} + j;
                if (!Inside(x, y, 9, 6) || !Inside(u, v, 7, 5)) continue;
                const auto in = src.Pixel(static_cast<int>(u), static_cast<int>(v));
                reference.SetPixel(static_cast<int>(x), static_cast<int>(y), in[0], in[1], in[2]);
                if (*src->AlphaAt(static_cast<int>(u), static_cast<int>(v)) == 255)
                    shapeReference.SetPixel(static_cast<int>(x), static_cast<int>(y), 3, 2, 1);
            }
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 9; ++x) {
                ASSERT_EQ(reference.Pixel(x, y), copied.Pixel(x, y))
                    << "copy (" << c.dx << "," << c.dy << "," << c.sx << "," << c.sy << "," << c.w << "," << c.h
                    << ") at " << x << "," << y;
                ASSERT_EQ(shapeReference.Pixel(x, y), shaped.Pixel(x, y)) << "shape at " << x << "," << y;
            }
    }
}

TEST(GraphClip, FillsStayInsideTheSurface) {
    host::Graph graph;
    for (const Case& c : Cases()) {
        TestSurface dst(9, 6, MemorySurface::Planes::kPixels);
        graph.FillRect(dst.get(), c.dx, c.dy, c.w, c.h, 255, 255, 255);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 9; ++x) {
                const bool covered = int64_t{x} >= c.dx && int64_t{x} < int64_t{c.dx} + c.w && int64_t{y} >= c.dy &&
                                     int64_t{y} < int64_t{c.dy} + c.h;
                ASSERT_EQ(covered ? 255 : 0, dst.Pixel(x, y)[0]) << x << "," << y;
            }
    }
}

TEST(GraphClip, EveryDrawingSlotSurvivesRectanglesOutsideBothSurfaces) {
    host::Graph graph;
    TestSurface src(4, 4, MemorySurface::Planes::kPixelsAndAlpha);
    TestSurface dst(4, 4, MemorySurface::Planes::kPixels);
    Paint(src, 3);
    Paint(dst, 4);
    TestSurface before(4, 4, MemorySurface::Planes::kPixels);
    Paint(before, 4);
    ISurface* d = dst.get();
    ISurface* s = src.get();
    for (int32_t far : {-100000, 100000, INT_MIN, INT_MAX}) {
        graph.CopyLevel(d, far, 0, s, 0, 0, 4, 4, 255);
        graph.BlendConst(d, 0, far, s, 0, 0, 4, 4, 255);
        graph.BlendAlpha(d, 0, 0, s, far, 0, 4, 4);
        graph.ShapeColorLevel(d, 0, 0, s, 0, far, 4, 4, 1, 2, 3, 255);
        graph.BlendAlphaLevel(d, far, far, s, 0, 0, 4, 4, 255);
        graph.BlendLevel(d, 0, 0, s, far, far, 4, 4, 255);
        graph.WashShape(d, far, 0, 4, 4, s, 0, 0, 1, 2, 3, 255);
        graph.BlendOverlay(d, 0, far, s, 0, 0, 4, 4);
        graph.FillRectLevel(d, far, 0, 4, 4, 1, 2, 3, 255);
        graph.DimRect(d, 0, far, 4, 4, 0);
        graph.TileOffset(d, far, 0, 4, 4, s, 0, 0, 4, 4, 1, 1);
        graph.TileOffsetLevel(d, 0, 0, 4, 4, s, far, 0, 4, 4, far, far, 255);
        graph.ZoomRect(d, 0, far, 4, 4, s, 0.0f, 0.0f, 4.0f, 4.0f, 255);
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(before.Pixel(x, y), dst.Pixel(x, y));
}

}  // namespace

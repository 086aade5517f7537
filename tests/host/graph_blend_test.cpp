// Blending slots against hand-computed bytes. Every blend rounds as floor(a * b / 255) on each
// side: Mix(d, s, a) = floor(d * (255 - a) / 255) + floor(s * a / 255).
#include <gtest/gtest.h>

#include "host/graph/graph.h"
#include "surface_helpers.h"

namespace {

using host::MemorySurface;
using hosttest::Bgr;
using hosttest::Grey;
using hosttest::TestSurface;

constexpr auto kPixels = MemorySurface::Planes::kPixels;
constexpr auto kWithAlpha = MemorySurface::Planes::kPixelsAndAlpha;

class GraphBlend : public ::testing::Test {
protected:
    GraphBlend() : dst(3, 1, kPixels), src(3, 1, kWithAlpha) {
        dst.Fill(100, 100, 100);
        src.Fill(200, 200, 200);
        src.SetAlpha(0, 0, 0);
        src.SetAlpha(1, 0, 255);
        src.SetAlpha(2, 0, 128);
    }
    host::Graph graph;
    TestSurface dst;
    TestSurface src;
};

TEST_F(GraphBlend, FixedSlotsAnswerAsTheDemoExpects) {
    EXPECT_EQ(1, graph.Identify());
    EXPECT_EQ(0, graph.Reserved1());
    EXPECT_TRUE(graph.Initialize());
    int context = 0;
    graph.Attach(&context);
    EXPECT_EQ(&context, graph.AttachedContext());
}

TEST_F(GraphBlend, CopyMovesBytesUnchanged) {
    src.SetPixel(1, 0, 1, 2, 3);
    graph.Copy(dst.get(), 1, 0, src.get(), 1, 0, 1, 1);
    EXPECT_EQ(Grey(100), dst.Pixel(0, 0));
    EXPECT_EQ(Bgr(1, 2, 3), dst.Pixel(1, 0));
    EXPECT_EQ(Grey(100), dst.Pixel(2, 0));
}

TEST_F(GraphBlend, CopyLevelRunsFromDestinationToSource) {
    graph.CopyLevel(dst.get(), 0, 0, src.get(), 0, 0, 1, 1, 0);
    graph.CopyLevel(dst.get(), 1, 0, src.get(), 1, 0, 1, 1, 128);
    graph.CopyLevel(dst.get(), 2, 0, src.get(), 2, 0, 1, 1, 300);  // clamped to 255
    EXPECT_EQ(Grey(100), dst.Pixel(0, 0));
    EXPECT_EQ(Grey(149), dst.Pixel(1, 0));  // 49 + 100
    EXPECT_EQ(Grey(200), dst.Pixel(2, 0));
}

TEST_F(GraphBlend, BlendConstUsesTheLowEightBitsOfAlpha) {
    graph.BlendConst(dst.get(), 0, 0, src.get(), 0, 0, 1, 1, 256);  // acts as 0
    graph.BlendConst(dst.get(), 1, 0, src.get(), 1, 0, 1, 1, 64);
    graph.BlendConst(dst.get(), 2, 0, src.get(), 2, 0, 1, 1, 511);  // acts as 255
    EXPECT_EQ(Grey(100), dst.Pixel(0, 0));
    EXPECT_EQ(Grey(124), dst.Pixel(1, 0));  // floor(100*191/255)=74 + floor(200*64/255)=50
    EXPECT_EQ(Grey(200), dst.Pixel(2, 0));
}

TEST_F(GraphBlend, BlendLevelIgnoresTheAlphaPlane) {
    graph.BlendLevel(dst.get(), 0, 0, src.get(), 0, 0, 3, 1, 64);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Grey(124), dst.Pixel(x, 0)) << x;
}

TEST_F(GraphBlend, BlendAlphaWeighsEachPixelByItsAlpha) {
    graph.BlendAlpha(dst.get(), 0, 0, src.get(), 0, 0, 3, 1);
    EXPECT_EQ(Grey(100), dst.Pixel(0, 0));
    EXPECT_EQ(Grey(200), dst.Pixel(1, 0));
    EXPECT_EQ(Grey(149), dst.Pixel(2, 0));
}

TEST_F(GraphBlend, OverlayIsTheSameBlendAsBlendAlpha) {
    TestSurface other(3, 1, kPixels);
    other.Fill(100, 100, 100);
    graph.BlendOverlay(dst.get(), 0, 0, src.get(), 0, 0, 3, 1);
    graph.BlendAlpha(other.get(), 0, 0, src.get(), 0, 0, 3, 1);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(other.Pixel(x, 0), dst.Pixel(x, 0));
}

TEST_F(GraphBlend, BlendAlphaLevelScalesEachAlphaByTheLevel) {
    graph.BlendAlphaLevel(dst.get(), 0, 0, src.get(), 0, 0, 3, 1, 128);
    EXPECT_EQ(Grey(100), dst.Pixel(0, 0));  // alpha 0
    EXPECT_EQ(Grey(149), dst.Pixel(1, 0));  // weight floor(255*128/255) = 128
    EXPECT_EQ(Grey(124), dst.Pixel(2, 0));  // weight floor(128*128/255) = 64
}

TEST_F(GraphBlend, SourceWithoutAlphaPlaneCountsAsOpaque) {
    TestSurface plain(1, 1, kPixels);
    plain.SetPixel(0, 0, 9, 8, 7);
    graph.BlendAlpha(dst.get(), 2, 0, plain.get(), 0, 0, 1, 1);
    EXPECT_EQ(Bgr(9, 8, 7), dst.Pixel(2, 0));
}

TEST_F(GraphBlend, MissingOrPixelLessSurfacesDrawNothing) {
    TestSurface mask(3, 1, MemorySurface::Planes::kAlphaOnly);
    graph.Copy(dst.get(), 0, 0, nullptr, 0, 0, 3, 1);
    graph.Copy(nullptr, 0, 0, src.get(), 0, 0, 3, 1);
    graph.Copy(dst.get(), 0, 0, mask.get(), 0, 0, 3, 1);
    graph.BlendAlpha(mask.get(), 0, 0, src.get(), 0, 0, 3, 1);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Grey(100), dst.Pixel(x, 0));
}

}  // namespace

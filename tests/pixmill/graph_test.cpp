#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "allocation_failure.h"
#include "kernel_params.h"
#include "pixmill/pixmill_graph.h"
#include "pixmill/reference.h"
#include "testkit/test_surface.h"

namespace {

TEST(PixmillGraph, FixedAnswersAndRepeatableInitialize) {
    pixmill::PixmillGraph graph;
    EXPECT_EQ(1, graph.Identify());
    EXPECT_EQ(0, graph.Reserved1());
    EXPECT_TRUE(graph.Initialize());
    EXPECT_TRUE(graph.Initialize());
}

// Before a successful Initialize there is no table for the lead and tail pixels; blending then
// must leave the destination alone rather than read through a null table.
TEST(PixmillGraph, BlendsBeforeInitializeDrawNothing) {
    pixmill::PixmillGraph graph;
    std::mt19937 random(11);
    TestSurface dst(33, 4, TestSurface::Drawing(false));
    TestSurface src(33, 4, TestSurface::Drawing(true));
    dst.FillRandom(random, true);
    src.FillRandom(random, true);
    const std::vector<uint8_t> before = dst.Pixels();
    graph.BlendConst(&dst, 0, 0, &src, 0, 0, 33, 4, 100);
    graph.BlendAlpha(&dst, 0, 0, &src, 0, 0, 33, 4);
    EXPECT_EQ(before, dst.Pixels());
    graph.Copy(&dst, 0, 0, &src, 0, 0, 33, 4);
    EXPECT_EQ(src.Pixels(), dst.Pixels());
}

TEST(PixmillGraph, BlendsAfterFailedInitializeDrawNothing) {
    pixmill::PixmillGraph graph;
    ASSERT_TRUE(graph.Initialize());
    pixmill_test::FailNthArrayAllocation(2);
    ASSERT_FALSE(graph.Initialize());
    std::mt19937 random(15);
    TestSurface dst(24, 3, TestSurface::Drawing(false));
    TestSurface src(24, 3, TestSurface::Drawing(true));
    dst.FillRandom(random, true);
    src.FillRandom(random, true);
    const std::vector<uint8_t> before = dst.Pixels();
    graph.BlendConst(&dst, 0, 0, &src, 0, 0, 24, 3, 77);
    graph.BlendAlpha(&dst, 0, 0, &src, 0, 0, 24, 3);
    EXPECT_EQ(before, dst.Pixels());
    EXPECT_TRUE(graph.Initialize());
}

TEST(PixmillGraph, MissingSurfacesPlanesOrAreasDrawNothing) {
    pixmill::PixmillGraph graph;
    ASSERT_TRUE(graph.Initialize());
    std::mt19937 random(12);
    TestSurface dst(20, 3, TestSurface::Drawing(false));
    TestSurface noAlpha(20, 3, TestSurface::Drawing(false));
    dst.FillRandom(random, true);
    noAlpha.FillRandom(random, true);
    const std::vector<uint8_t> before = dst.Pixels();
    graph.BlendAlpha(&dst, 0, 0, &noAlpha, 0, 0, 20, 3);
    graph.Copy(nullptr, 0, 0, &noAlpha, 0, 0, 20, 3);
    graph.Copy(&dst, 0, 0, nullptr, 0, 0, 20, 3);
    graph.BlendConst(&dst, 0, 0, &noAlpha, 0, 0, 0, 3, 9);
    graph.BlendConst(&dst, 0, 0, &noAlpha, 0, 0, 20, -1, 9);
    EXPECT_EQ(before, dst.Pixels());
}

TEST(PixmillGraph, UnimplementedSlotsLeaveTheDestinationAlone) {
    pixmill::PixmillGraph graph;
    ASSERT_TRUE(graph.Initialize());
    std::mt19937 random(13);
    TestSurface dst(16, 4, TestSurface::Drawing(true));
    TestSurface src(16, 4, TestSurface::Drawing(true));
    dst.FillRandom(random, true);
    src.FillRandom(random, true);
    const std::vector<uint8_t> before = dst.Pixels();
    graph.Attach(&src);
    graph.Unused5(&dst, 0, 0, &src, 0, 0, 16, 4);
    graph.CopyLevel(&dst, 0, 0, &src, 0, 0, 16, 4, 128);
    graph.ShapeColorLevel(&dst, 0, 0, &src, 0, 0, 16, 4, 255, 0, 0, 64);
    graph.BlendAlphaLevel(&dst, 0, 0, &src, 0, 0, 16, 4, 64);
    graph.BlendOverlay(&dst, 0, 0, &src, 0, 0, 16, 4);
    graph.FillRect(&dst, 0, 0, 16, 4, 0, 0, 0);
    graph.DimRect(&dst, 0, 0, 16, 4, 160);
    graph.TileOffsetLevel(&dst, 0, 0, 16, 4, &src, 0, 0, 16, 4, 3, 2, 90);
    graph.ZoomRect(&dst, 0, 0, 16, 4, &src, 1.0f, 1.0f, 8.0f, 2.0f, 16);
    EXPECT_EQ(before, dst.Pixels());
}

// The operations find the rectangles through PixelAt/AlphaAt at the corners and the pitches.
TEST(PixmillGraph, OperationsDrawTheAddressedRectangles) {
    pixmill::PixmillGraph graph;
    ASSERT_TRUE(graph.Initialize());
    std::mt19937 random(14);
    TestSurface src(70, 12, TestSurface::Drawing(true, 5));
    src.FillRandom(random, true);
    for (int32_t op = 0; op < 3; ++op) {
        TestSurface dst(64, 10, TestSurface::Drawing(false, 16));
        TestSurface expected(64, 10, TestSurface::Drawing(false, 16));
        std::mt19937 same(99);
        dst.FillRandom(same, true);
        std::mt19937 again(99);
        expected.FillRandom(again, true);
        pixmill::PixelJob job{expected.PixelAt(3, 2),
                              expected.Pitch(),
                              src.PixelAt(5, 1),
                              src.Pitch(),
                              src.AlphaAt(5, 1),
                              src.AlphaPitch(),
                              41,
                              7};
        if (op == 0) {
            graph.Copy(&dst, 3, 2, &src, 5, 1, 41, 7);
            pixmill::reference::Copy(job);
        } else if (op == 1) {
            graph.BlendConst(&dst, 3, 2, &src, 5, 1, 41, 7, 0x1C0);
            pixmill::reference::BlendConst(pixmill_test::SharedBlendTable(), job, 0xC0);
        } else {
            graph.BlendAlpha(&dst, 3, 2, &src, 5, 1, 41, 7);
            pixmill::reference::BlendAlpha(pixmill_test::SharedBlendTable(), job);
        }
        EXPECT_EQ(expected.Pixels(), dst.Pixels()) << "operation " << op;
    }
}

}  // namespace

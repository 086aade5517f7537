// One-colour shapes, fills and dimming. Colours are passed as (red, green, blue) and stored as
// blue, green, red.
#include <gtest/gtest.h>

#include "host/graph/graph.h"
#include "surface_helpers.h"

namespace {

using host::MemorySurface;
using hosttest::Bgr;
using hosttest::Grey;
using hosttest::TestSurface;

class GraphShape : public ::testing::Test {
protected:
    GraphShape() : dst(3, 2, MemorySurface::Planes::kPixels), mask(3, 2, MemorySurface::Planes::kAlphaOnly) {
        dst.Fill(200, 200, 200);
        mask.SetAlpha(1, 0, 255);
        mask.SetAlpha(2, 0, 128);
    }
    host::Graph graph;
    TestSurface dst;
    TestSurface mask;
};

TEST_F(GraphShape, ShapeColorPaintsCoverageFromTheEightBitPlane) {
    graph.ShapeColor(dst.get(), 0, 0, mask.get(), 0, 0, 3, 1, 255, 0, 0);
    EXPECT_EQ(Grey(200), dst.Pixel(0, 0));
    EXPECT_EQ(Bgr(0, 0, 255), dst.Pixel(1, 0));
    // coverage 128: blue/green floor(200*127/255)=99, red 99 + floor(255*128/255)=128
    EXPECT_EQ(Bgr(99, 99, 227), dst.Pixel(2, 0));
    EXPECT_EQ(Grey(200), dst.Pixel(1, 1));  // row 1 untouched
}

TEST_F(GraphShape, ShapeColorLevelScalesCoverageByTheLevel) {
    graph.ShapeColorLevel(dst.get(), 0, 0, mask.get(), 0, 0, 3, 1, 0, 0, 0, 64);
    EXPECT_EQ(Grey(200), dst.Pixel(0, 0));
    EXPECT_EQ(Grey(149), dst.Pixel(1, 0));  // floor(200*191/255)
    EXPECT_EQ(Grey(174), dst.Pixel(2, 0));  // weight floor(128*64/255)=32: floor(200*223/255)
}

TEST_F(GraphShape, WashShapeTakesTheDestinationRectangleFirst) {
    graph.WashShape(dst.get(), 1, 1, 2, 1, mask.get(), 1, 0, 255, 0, 0, 255);
    EXPECT_EQ(Grey(200), dst.Pixel(0, 1));
    EXPECT_EQ(Bgr(0, 0, 255), dst.Pixel(1, 1));
    EXPECT_EQ(Bgr(99, 99, 227), dst.Pixel(2, 1));
    EXPECT_EQ(Grey(200), dst.Pixel(1, 0));
}

TEST_F(GraphShape, ShapeOfASurfaceWithoutEightBitPlaneIsItsWholeRectangle) {
    TestSurface plain(2, 1, MemorySurface::Planes::kPixels);
    graph.ShapeColor(dst.get(), 1, 1, plain.get(), 0, 0, 2, 1, 1, 2, 3);
    EXPECT_EQ(Grey(200), dst.Pixel(0, 1));
    EXPECT_EQ(Bgr(3, 2, 1), dst.Pixel(1, 1));
    EXPECT_EQ(Bgr(3, 2, 1), dst.Pixel(2, 1));
}

TEST_F(GraphShape, FillsAndDimming) {
    graph.FillRect(dst.get(), 1, 0, 5, 1, 10, 20, 30);  // runs off the right edge
    EXPECT_EQ(Grey(200), dst.Pixel(0, 0));
    EXPECT_EQ(Bgr(30, 20, 10), dst.Pixel(1, 0));
    EXPECT_EQ(Bgr(30, 20, 10), dst.Pixel(2, 0));

    graph.FillRectLevel(dst.get(), 0, 1, 1, 1, 0, 0, 0, 64);
    EXPECT_EQ(Grey(149), dst.Pixel(0, 1));
    graph.FillRectLevel(dst.get(), 1, 1, 1, 1, 255, 255, 255, 0);
    EXPECT_EQ(Grey(200), dst.Pixel(1, 1));

    graph.DimRect(dst.get(), 2, 1, 1, 1, 160);
    EXPECT_EQ(Grey(125), dst.Pixel(2, 1));  // floor(200*160/255)
    graph.DimRect(dst.get(), 0, 0, 1, 1, 255);
    EXPECT_EQ(Grey(200), dst.Pixel(0, 0));
    graph.DimRect(dst.get(), 0, 0, 1, 1, -20);
    EXPECT_EQ(Grey(0), dst.Pixel(0, 0));
}

}  // namespace

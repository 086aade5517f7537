#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "host/graph/graph.h"
#include "surface_helpers.h"

namespace {

using host::MemorySurface;
using hosttest::Grey;
using hosttest::TestSurface;

constexpr auto kPixels = MemorySurface::Planes::kPixels;

// A 3 x 2 source whose pixel (x, y) is grey 10 * (1 + x + 3 * y).
void NumberSource(TestSurface& src) {
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const uint8_t v = static_cast<uint8_t>(10 * (1 + x + 3 * y));
            src.SetPixel(x, y, v, v, v);
        }
}

uint8_t Expected(int x, int y) { return static_cast<uint8_t>(10 * (1 + x + 3 * y)); }

int Mod(int v, int m) { return ((v % m) + m) % m; }

TEST(GraphTile, OffsetsWrapAroundInBothDirections) {
    host::Graph graph;
    TestSurface src(3, 2, kPixels);
    NumberSource(src);
    const int offsets[][2] = {{0, 0}, {1, 0}, {0, 1}, {-1, -3}, {7, -5}, {-2147483647, 2147483647}};
    for (const auto& o : offsets) {
        TestSurface dst(5, 3, kPixels);
        graph.TileOffset(dst.get(), 0, 0, 5, 3, src.get(), 0, 0, 3, 2, o[0], o[1]);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const int sx = static_cast<int>(((static_cast<int64_t>(x) - o[0]) % 3 + 3) % 3);
                const int sy = static_cast<int>(((static_cast<int64_t>(y) - o[1]) % 2 + 2) % 2);
                ASSERT_EQ(Grey(Expected(sx, sy)), dst.Pixel(x, y)) << x << "," << y << " offset " << o[0];
            }
    }
}

TEST(GraphTile, ClippingKeepsThePhaseAndTheSourceRectangleIsThePeriod) {
    host::Graph graph;
    TestSurface src(3, 2, kPixels);
    NumberSource(src);
    TestSurface dst(4, 2, kPixels);
    // Destination starts two columns left of the surface; the source rectangle is column 1..2 of row 1.
    graph.TileOffset(dst.get(), -2, 0, 6, 2, src.get(), 1, 1, 2, 1, 0, 0);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(Grey(Expected(1 + Mod(x + 2, 2), 1)), dst.Pixel(x, 0)) << x;
        EXPECT_EQ(Grey(Expected(1 + Mod(x + 2, 2), 1)), dst.Pixel(x, 1)) << x;
    }
    // A source rectangle reaching past the surface is cut to it: width 1 from column 2.
    graph.TileOffset(dst.get(), 0, 0, 4, 1, src.get(), 2, 0, 9, 1, 0, 0);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Grey(Expected(2, 0)), dst.Pixel(x, 0));
}

TEST(GraphTile, LevelBlendsTheTiles) {
    host::Graph graph;
    TestSurface src(1, 1, kPixels);
    src.Fill(200, 200, 200);
    TestSurface dst(2, 1, kPixels);
    dst.Fill(100, 100, 100);
    graph.TileOffsetLevel(dst.get(), 0, 0, 2, 1, src.get(), 0, 0, 1, 1, 0, 0, 128);
    EXPECT_EQ(Grey(149), dst.Pixel(0, 0));
    EXPECT_EQ(Grey(149), dst.Pixel(1, 0));
}

TEST(GraphZoom, TwofoldStretchInterpolatesBetweenTexelCentres) {
    host::Graph graph;
    TestSurface src(2, 1, kPixels);
    src.SetPixel(1, 0, 255, 255, 255);
    TestSurface dst(4, 1, kPixels);
    graph.ZoomRect(dst.get(), 0, 0, 4, 1, src.get(), 0.0f, 0.0f, 2.0f, 1.0f, 255);
    EXPECT_EQ(Grey(0), dst.Pixel(0, 0));
    EXPECT_EQ(Grey(64), dst.Pixel(1, 0));
    EXPECT_EQ(Grey(191), dst.Pixel(2, 0));
    EXPECT_EQ(Grey(255), dst.Pixel(3, 0));
}

TEST(GraphZoom, WholeSourceAtOneToOneIsAnExactCopyAndLevelBlends) {
    host::Graph graph;
    TestSurface src(16, 8, kPixels);
    std::mt19937 random(7);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            src.SetPixel(x, y, static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                         static_cast<uint8_t>(random()));
    TestSurface dst(16, 8, kPixels);
    graph.ZoomRect(dst.get(), 0, 0, 16, 8, src.get(), 0.0f, 0.0f, 16.0f, 8.0f, 255);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(src.Pixel(x, y), dst.Pixel(x, y));

    TestSurface white(1, 1, kPixels);
    white.Fill(255, 255, 255);
    TestSurface grey(2, 2, kPixels);
    grey.Fill(100, 100, 100);
    graph.ZoomRect(grey.get(), 0, 0, 2, 2, white.get(), 0.0f, 0.0f, 1.0f, 1.0f, 16);
    // floor(100*239/255)=93 + floor(255*16/255)=16
    EXPECT_EQ(Grey(109), grey.Pixel(1, 1));
}

TEST(GraphZoom, ClippedDestinationKeepsTheMappingAndBadRectanglesDrawNothing) {
    host::Graph graph;
    TestSurface src(2, 1, kPixels);
    src.SetPixel(1, 0, 255, 255, 255);
    TestSurface dst(2, 1, kPixels);
    // The right half of the 4-pixel stretch above, shifted left by two.
    graph.ZoomRect(dst.get(), -2, 0, 4, 1, src.get(), 0.0f, 0.0f, 2.0f, 1.0f, 255);
    EXPECT_EQ(Grey(191), dst.Pixel(0, 0));
    EXPECT_EQ(Grey(255), dst.Pixel(1, 0));

    dst.Fill(7, 7, 7);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    graph.ZoomRect(dst.get(), 0, 0, 2, 1, src.get(), nan, 0.0f, 2.0f, 1.0f, 255);
    graph.ZoomRect(dst.get(), 0, 0, 2, 1, src.get(), 0.0f, 0.0f, inf, 1.0f, 255);
    graph.ZoomRect(dst.get(), 0, 0, 2, 1, src.get(), 0.0f, 0.0f, -2.0f, 1.0f, 255);
    graph.ZoomRect(dst.get(), 0, 0, 0, 1, src.get(), 0.0f, 0.0f, 2.0f, 1.0f, 255);
    EXPECT_EQ(Grey(7), dst.Pixel(0, 0));
    EXPECT_EQ(Grey(7), dst.Pixel(1, 0));
    // A source rectangle far outside the surface samples its nearest edge texels.
    graph.ZoomRect(dst.get(), 0, 0, 2, 1, src.get(), 1000.0f, -50.0f, 3.0f, 1.0f, 255);
    EXPECT_EQ(Grey(255), dst.Pixel(0, 0));
}

}  // namespace

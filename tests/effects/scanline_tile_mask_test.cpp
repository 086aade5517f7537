#include "demo/effects/effects.h"
#include "testkit/reference_effects.h"
#include "tests/effects/effects_test_support.h"

namespace {

using ScanlineTileTest = EffectsTest;
using ScanlineMaskTest = EffectsTest;

// A tile whose every pixel names its own column in blue and row in green.
void FillCoordinates(TestSurface& s) {
    for (int32_t y = 0; y < s.Height(); ++y) {
        for (int32_t x = 0; x < s.Width(); ++x) {
            s.Pixel(x, y)[0] = static_cast<uint8_t>(2 * x);
            s.Pixel(x, y)[1] = static_cast<uint8_t>(2 * y);
        }
    }
}

TEST_F(ScanlineTileTest, NegativeOffsetStartsEveryRowAtTheTilesLastColumn) {
    TestSurface tile(5, 4, {.padding = 2});
    FillCoordinates(tile);
    TestSurface dst(12, 3);
    ScanlineTile(&dst, 0, 0, 12, 3, &tile, 0, 0, 5, 4, -1, 0);
    // Row 0 keeps blue: tile columns 4, 0, 1, 2, 3, 4, 0...
    const int columns[12] = {4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0};
    for (int32_t j = 0; j < 12; ++j) EXPECT_EQ(dst.Pixel(j, 0)[0], columns[j]) << j;  // 2x / 2
    // Row 1 keeps green: tile row 1.
    EXPECT_EQ(dst.Pixel(3, 1)[1], 1);
    EXPECT_EQ(dst.Pixel(3, 1)[0], 0);
}

TEST_F(ScanlineTileTest, NegativeRowOffsetWrapsUpFromTheTilesBottom) {
    TestSurface tile(3, 4);
    FillCoordinates(tile);
    TestSurface dst(3, 6);
    ScanlineTile(&dst, 0, 0, 3, 6, &tile, 0, 0, 3, 4, 0, -6);  // rows 2, 3, 0, 1, 2, 3
    EXPECT_EQ(dst.Pixel(0, 1)[1], 3);
    EXPECT_EQ(dst.Pixel(0, 4)[1], 2);
}

TEST_F(ScanlineTileTest, RowThreeIsBlueAgain) {
    TestSurface tile(2, 2);
    tile.Fill(255, 255, 255);
    TestSurface dst(2, 4);
    dst.Fill(255, 255, 255);
    ScanlineTile(&dst, 0, 0, 2, 4, &tile, 0, 0, 2, 2, 0, 0);
    ExpectPixel(dst, 1, 0, 254, 0, 0);
    ExpectPixel(dst, 1, 1, 0, 254, 0);
    ExpectPixel(dst, 1, 2, 0, 0, 254);
    ExpectPixel(dst, 1, 3, 254, 0, 0);
}

TEST_F(ScanlineMaskTest, LeftoverRowsContinueTheRotation) {
    for (int32_t rows : {4, 5}) {  // rows mod 3 = 1 and 2
        TestSurface dst(3, 7, {.padding = 1});
        dst.Fill(10, 20, 30);
        ScanlineMask(&dst, 1, 1, 2, rows);
        ExpectPixel(dst, 0, 1, 10, 20, 30);  // left of the rectangle
        const int expect[5][3] = {{10, 0, 0}, {0, 20, 0}, {0, 0, 30}, {10, 0, 0}, {0, 20, 0}};
        for (int32_t i = 0; i < rows; ++i) ExpectPixel(dst, 2, 1 + i, expect[i][0], expect[i][1], expect[i][2]);
        ExpectPixel(dst, 2, 1 + rows, 10, 20, 30);
        EXPECT_TRUE(dst.Intact());
    }
}

}  // namespace

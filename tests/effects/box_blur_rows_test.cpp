#include "demo/effects/effects.h"
#include "testkit/reference_effects.h"
#include "tests/effects/effects_test_support.h"

namespace {

using BoxBlurRowsTest = EffectsTest;

TEST_F(BoxBlurRowsTest, WindowTwoAveragesEachPixelWithItsLeftNeighbour) {
    TestSurface src(5, 1);
    const uint8_t values[5] = {10, 30, 50, 71, 200};
    for (int32_t x = 0; x < 5; ++x) src.Pixel(x, 0)[2] = values[x];
    for (int32_t window : {2, 3}) {  // an odd window still spans 2 pixels
        TestSurface dst(5, 1);
        BoxBlurRows(&dst, 0, 0, &src, 0, 0, 5, 1, window, 1);
        EXPECT_EQ(dst.Pixel(0, 0)[2], 10);  // in[0] twice
        EXPECT_EQ(dst.Pixel(1, 0)[2], 20);
        EXPECT_EQ(dst.Pixel(2, 0)[2], 40);
        EXPECT_EQ(dst.Pixel(3, 0)[2], 60);  // (50 + 71) / 2 truncated
        EXPECT_EQ(dst.Pixel(4, 0)[2], 135);
    }
}

TEST_F(BoxBlurRowsTest, WindowWiderThanTheRowRepeatsTheEdges) {
    // The demo's widest blur: 2048 pixels over a 640-pixel row.
    TestSurface src(640, 2, {.padding = 4});
    Randomise(src, 3);
    TestSurface fast(640, 2), plain(640, 2);
    BoxBlurRows(&fast, 0, 0, &src, 0, 0, 640, 2, 2048, 11);
    reference::BoxBlurRows(&plain, 0, 0, &src, 0, 0, 640, 2, 2048, 11);
    EXPECT_EQ(fast.Pixels(), plain.Pixels());
}

TEST_F(BoxBlurRowsTest, SinglePixelRowsAndEmptyWindows) {
    TestSurface src(1, 3);
    Randomise(src, 4);
    TestSurface dst(1, 3);
    BoxBlurRows(&dst, 0, 0, &src, 0, 0, 1, 3, 8, 3);
    EXPECT_EQ(dst.Pixels(), src.Pixels());  // eight copies of the one pixel, divided by eight
    BoxBlurRows(&dst, 0, 0, &src, 0, 0, 1, 3, 1, 0);
    EXPECT_EQ(dst.Pixels(), std::vector<uint8_t>(9, 0));  // window 1 has no pixels
}

TEST_F(BoxBlurRowsTest, BlurringASurfaceIntoItselfReadsTheOriginalPixels) {
    // Written pixels must not feed the sums of later pixels or rows.
    TestSurface picture(30, 6, {.padding = 3});
    Randomise(picture, 9);
    TestSurface copy(30, 6, {.padding = 3});
    Randomise(copy, 9);
    TestSurface expected(30, 6, {.padding = 3});
    Randomise(expected, 9);
    reference::BoxBlurRows(&expected, 1, 1, &copy, 0, 0, 29, 5, 8, 3);
    BoxBlurRows(&picture, 1, 1, &picture, 0, 0, 29, 5, 8, 3);
    EXPECT_EQ(picture.Pixels(), expected.Pixels());
}

}  // namespace

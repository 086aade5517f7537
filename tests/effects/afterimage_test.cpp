#include "demo/effects/effects.h"
#include "testkit/reference_effects.h"
#include "tests/effects/effects_test_support.h"

namespace {

using AfterimageTest = EffectsTest;
using AfterimageFn = void (*)(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, float, float, float, float);

struct Variant {
    AfterimageFn draw;
    int keep;
    int shift;
};
const Variant kVariants[3] = {{Afterimage16, 239, 4}, {Afterimage8, 223, 3}, {Afterimage4, 191, 2}};

TEST_F(AfterimageTest, ExtremesFadeWhiteAndAddAFractionOfWhite) {
    const int fadedWhite[3] = {239, 223, 191};
    const int addedWhite[3] = {15, 31, 63};
    for (int v = 0; v < 3; ++v) {
        TestSurface white(4, 4), black(4, 4);
        white.Fill(255, 255, 255);
        TestSurface dst(4, 4);
        dst.Fill(255, 255, 255);
        kVariants[v].draw(&dst, 0, 0, 4, 4, &black, 0.0f, 0.0f, 4.0f, 4.0f);
        ExpectPixel(dst, 3, 3, fadedWhite[v], fadedWhite[v], fadedWhite[v]);
        dst.Fill(0, 0, 0);
        kVariants[v].draw(&dst, 0, 0, 4, 4, &white, 0.0f, 0.0f, 4.0f, 4.0f);
        ExpectPixel(dst, 0, 0, addedWhite[v], addedWhite[v], addedWhite[v]);
    }
}

TEST_F(AfterimageTest, WholeNumberOneToOneRectangleSamplesEachPixelOnce) {
    TestSurface src(20, 15, {.padding = 2});
    Randomise(src, 4);
    TestSurface dst(12, 9, {.padding = 5});
    Afterimage4(&dst, 0, 0, 12, 9, &src, 3.0f, 5.0f, 12.0f, 9.0f);
    for (int32_t y = 0; y < 9; ++y) {
        for (int32_t x = 0; x < 12; ++x) {
            const uint8_t* s = src.Pixel(x + 3, y + 5);
            ExpectPixel(dst, x, y, s[0] >> 2, s[1] >> 2, s[2] >> 2);
        }
    }
}

TEST_F(AfterimageTest, SourceRectangleOutsideTheSourceRepeatsItsEdge) {
    TestSurface src(6, 5);
    Randomise(src, 8);
    TestSurface dst(10, 10);
    Afterimage16(&dst, 0, 0, 10, 10, &src, -20.0f, -20.0f, 50.0f, 50.0f);
    // The destination was black, so each pixel is its sample >> 4; the corners show the corners.
    ExpectPixel(dst, 0, 0, src.Pixel(0, 0)[0] >> 4, src.Pixel(0, 0)[1] >> 4, src.Pixel(0, 0)[2] >> 4);
    ExpectPixel(dst, 9, 9, src.Pixel(5, 4)[0] >> 4, src.Pixel(5, 4)[1] >> 4, src.Pixel(5, 4)[2] >> 4);
    EXPECT_TRUE(dst.Intact());
}

TEST_F(AfterimageTest, WithoutTheTableOrSizesNothingIsDrawn) {
    TestSurface src(4, 4);
    src.Fill(255, 255, 255);
    TestSurface dst(4, 4);
    Afterimage8(&dst, 0, 0, 0, 4, &src, 0.0f, 0.0f, 4.0f, 4.0f);
    Afterimage8(&dst, 0, 0, 4, -1, &src, 0.0f, 0.0f, 4.0f, 4.0f);
    EXPECT_EQ(dst.Pixels(), std::vector<uint8_t>(48, 0));
    TearDown();
    Afterimage8(&dst, 0, 0, 4, 4, &src, 0.0f, 0.0f, 4.0f, 4.0f);
    EXPECT_EQ(dst.Pixels(), std::vector<uint8_t>(48, 0));
}

}  // namespace

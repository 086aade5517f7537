#include "demo/effects/effects.h"
#include "testkit/reference_effects.h"
#include "tests/effects/effects_test_support.h"

namespace {

using TintMaskTest = EffectsTest;

TEST_F(TintMaskTest, MaskBytesZeroAndOneChangeNothing) {
    TestSurface mask(4, 2, {.pixels = false});
    mask.FillMask(1);
    *mask.Mask(2, 1) = 0;
    TestSurface dst(4, 2);
    Randomise(dst, 1);
    const std::vector<uint8_t> before = dst.Pixels();
    TintMask(&dst, 0, 0, &mask, 0, 0, 4, 2, 255, 255, 255);
    EXPECT_EQ(dst.Pixels(), before);
}

TEST_F(TintMaskTest, FullMaskTintsAtMostHalfWay) {
    TestSurface mask(2, 1, {.pixels = false});
    mask.FillMask(255);
    TestSurface dst(2, 1);
    TintMask(&dst, 0, 0, &mask, 0, 0, 1, 1, 255, 255, 255);
    ExpectPixel(dst, 0, 0, 127, 127, 127);  // white over black: T[255][127]
    ExpectPixel(dst, 1, 0, 0, 0, 0);
}

TEST_F(TintMaskTest, WhiteTintOfTheWorkedPixel) {
    TestSurface mask(1, 1, {.pixels = false});
    mask.FillMask(255);
    for (bool scaled : {false, true}) {
        TestSurface dst(1, 1);
        dst.Fill(50, 100, 200);  // (red, green, blue) = (200, 100, 50)
        if (scaled) {
            TintMaskScaled(&dst, 0, 0, 1, 1, &mask, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255);
        } else {
            TintMask(&dst, 0, 0, &mask, 0, 0, 1, 1, 255, 255, 255);
        }
        ExpectPixel(dst, 0, 0, 152, 177, 227);
    }
}

TEST_F(TintMaskTest, ColourComponentsLandInRedGreenBlueOrder) {
    TestSurface mask(1, 1, {.pixels = false});
    mask.FillMask(255);
    TestSurface dst(1, 1);
    TintMask(&dst, 0, 0, &mask, 0, 0, 1, 1, 255, 0, 64);
    ExpectPixel(dst, 0, 0, reference::Multiply(64, 127), 0, 127);
}

TEST_F(TintMaskTest, WithoutTheTablesNothingIsDrawn) {
    TearDown();
    TestSurface mask(3, 3, {.pixels = false});
    mask.FillMask(255);
    TestSurface dst(3, 3);
    Randomise(dst, 2);
    const std::vector<uint8_t> before = dst.Pixels();
    TintMask(&dst, 0, 0, &mask, 0, 0, 3, 3, 255, 0, 0);
    TintMaskScaled(&dst, 0, 0, 3, 3, &mask, 0.0f, 0.0f, 3.0f, 3.0f, 255, 0, 0);
    EXPECT_EQ(dst.Pixels(), before);
}

}  // namespace

#include "demo/effects/effects.h"
#include "tests/effects/effects_test_support.h"
#include "tests/effects/reference_effects.h"

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

TEST_F(TintMaskTest, RandomCallsMatchThePlainImplementation) {
    std::mt19937 random(21);
    for (int round = 0; round < 60; ++round) {
        const int32_t w = Uniform(random, 1, 30), rows = Uniform(random, 1, 20);
        const int32_t mw = Uniform(random, 1, 40), mh = Uniform(random, 1, 40);
        TestSurface mask(mw, mh, {.pixels = round % 2 == 0, .alpha = true, .alphaPadding = Uniform(random, 0, 5)});
        Randomise(mask, round);
        TestSurface fast(w + 5, rows + 5, {.padding = 1}), plain(w + 5, rows + 5, {.padding = 1});
        Randomise(fast, 300 + round);
        Randomise(plain, 300 + round);
        const int32_t red = Uniform(random, 0, 255), green = Uniform(random, 0, 255), blue = Uniform(random, 0, 255);
        const int32_t dx = Uniform(random, 0, 5), dy = Uniform(random, 0, 5);
        if (round % 3 == 0 && mw >= w && mh >= rows) {
            const int32_t mx = Uniform(random, 0, mw - w), my = Uniform(random, 0, mh - rows);
            TintMask(&fast, dx, dy, &mask, mx, my, w, rows, red, green, blue);
            reference::TintMask(&plain, dx, dy, &mask, mx, my, w, rows, red, green, blue);
        } else {
            // A mask rectangle that stays inside the mask after scaling.
            const float fw = static_cast<float>(Uniform(random, 1, mw * 8)) / 8.0f;
            const float fh = static_cast<float>(Uniform(random, 1, mh * 8)) / 8.0f;
            const float fx = static_cast<float>(Uniform(random, 0, static_cast<int32_t>((mw - fw) * 4))) / 4.0f;
            const float fy = static_cast<float>(Uniform(random, 0, static_cast<int32_t>((mh - fh) * 4))) / 4.0f;
            TintMaskScaled(&fast, dx, dy, w, rows, &mask, fx, fy, fw, fh, red, green, blue);
            reference::TintMaskScaled(&plain, dx, dy, w, rows, &mask, fx, fy, fw, fh, red, green, blue);
        }
        ASSERT_EQ(fast.Pixels(), plain.Pixels()) << "round " << round;
        ASSERT_TRUE(fast.Intact());
    }
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

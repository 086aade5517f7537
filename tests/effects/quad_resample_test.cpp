#include "demo/effects/effects.h"
#include "testkit/reference_effects.h"
#include "tests/effects/effects_test_support.h"

namespace {

using QuadResampleTest = EffectsTest;

// Rows of the surface that differ from a surface filled with the given grey.
int CountChangedRows(TestSurface& s, uint8_t grey) {
    int changed = 0;
    for (int32_t y = 0; y < s.Height(); ++y) {
        bool rowChanged = false;
        for (int32_t x = 0; x < s.Width(); ++x) {
            const uint8_t* p = s.Pixel(x, y);
            rowChanged = rowChanged || p[0] != grey || p[1] != grey || p[2] != grey;
        }
        changed += rowChanged ? 1 : 0;
    }
    return changed;
}

TEST_F(QuadResampleTest, IdentityQuadSamplesTheSamePixelUnderTheScanlineRule) {
    const int32_t w = 23, rows = 17;
    TestSurface src(w, rows, {.padding = 5});
    TestSurface dst(w + 4, rows + 4, {.padding = 7});
    Randomise(src, 1);
    Randomise(dst, 2);
    const std::vector<uint8_t> before = dst.Pixels();
    ScanlineQuad(&dst, 2, 3, w, rows, &src, 0, 0, w, 0, w, rows, 0, rows);
    for (int32_t i = 0; i < rows; ++i) {
        for (int32_t j = 0; j < w; ++j) {
            const uint8_t* d = dst.Pixel(2 + j, 3 + i);
            const uint8_t* s = src.Pixel(j, i);
            const uint8_t* old = &before[(3 + i) * 3 * (w + 4) + 3 * (2 + j)];
            for (int c = 0; c < 3; ++c) {
                const int expected = c == i % 3 ? old[c] / 2 + s[c] / 2 : 0;
                ASSERT_EQ(d[c], expected) << "pixel " << j << "," << i << " channel " << c;
            }
        }
    }
    EXPECT_TRUE(dst.Intact());
}

TEST_F(QuadResampleTest, ScanlineChannelsRotateBlueGreenRedFromTheCallsFirstRow) {
    TestSurface src(4, 4);
    TestSurface dst(4, 6);
    src.Fill(255, 255, 255);
    dst.Fill(255, 255, 255);
    ScanlineQuad(&dst, 0, 1, 4, 4, &src, 0, 0, 4, 0, 4, 4, 0, 4);
    ExpectPixel(dst, 0, 0, 255, 255, 255);  // above the call: untouched
    ExpectPixel(dst, 1, 1, 254, 0, 0);
    ExpectPixel(dst, 2, 2, 0, 254, 0);
    ExpectPixel(dst, 3, 3, 0, 0, 254);
    ExpectPixel(dst, 0, 4, 254, 0, 0);
    ExpectPixel(dst, 0, 5, 255, 255, 255);
}

TEST_F(QuadResampleTest, InterlaceWritesHalfTheRowsEverySecondRow) {
    TestSurface src(640, 480);
    TestSurface dst(640, 480, {.padding = 3});
    src.Fill(0, 0, 0);
    dst.Fill(200, 200, 200);
    InterlaceQuad(&dst, 0, 0, 640, 480, &src, 0, 0, 640, 0, 640, 480, 0, 480);
    EXPECT_EQ(CountChangedRows(dst, 200), 240);
    ExpectPixel(dst, 5, 0, 100, 100, 100);
    ExpectPixel(dst, 5, 1, 200, 200, 200);
    ExpectPixel(dst, 639, 478, 100, 100, 100);
    ExpectPixel(dst, 639, 479, 200, 200, 200);

    TestSurface small(9, 8);
    small.Fill(200, 200, 200);
    InterlaceQuad(&small, 0, 1, 9, 7, &src, 0, 0, 9, 0, 9, 7, 0, 7);
    EXPECT_EQ(CountChangedRows(small, 200), 3);
    ExpectPixel(small, 0, 1, 100, 100, 100);
    ExpectPixel(small, 0, 5, 100, 100, 100);
    ExpectPixel(small, 0, 7, 200, 200, 200);
    EXPECT_TRUE(dst.Intact() && small.Intact());
}

TEST_F(QuadResampleTest, SamplesOutsideTheSourceRepeatItsEdge) {
    // A source and the same picture with its edge pixels repeated 8 times around it: a quad
    // reaching outside the first must show what the same quad shows inside the second.
    const int32_t sw = 12, sh = 9, border = 8;
    TestSurface src(sw, sh);
    Randomise(src, 5);
    TestSurface framed(sw + 2 * border, sh + 2 * border);
    for (int32_t y = 0; y < framed.Height(); ++y) {
        for (int32_t x = 0; x < framed.Width(); ++x) {
            const int32_t cx = std::min(std::max(x - border, 0), sw - 1);
            const int32_t cy = std::min(std::max(y - border, 0), sh - 1);
            std::copy_n(src.Pixel(cx, cy), 3, framed.Pixel(x, y));
        }
    }
    const int32_t q[8] = {-5, -3, sw + 4, -6, sw + 6, sh + 5, -7, sh + 2};
    for (bool interlace : {false, true}) {
        TestSurface a(30, 20), b(30, 20);
        Randomise(a, 6);
        Randomise(b, 6);
        auto draw = interlace ? InterlaceQuad : ScanlineQuad;
        draw(&a, 0, 0, 30, 20, &src, q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7]);
        draw(&b, 0, 0, 30, 20, &framed, q[0] + border, q[1] + border, q[2] + border, q[3] + border, q[4] + border,
             q[5] + border, q[6] + border, q[7] + border);
        EXPECT_EQ(a.Pixels(), b.Pixels()) << (interlace ? "interlace" : "scanline");
    }
}

}  // namespace

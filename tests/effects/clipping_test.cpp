#include <functional>
#include <string>
#include <tuple>

#include "demo/effects/effects.h"
#include "tests/effects/effects_test_support.h"

// Rectangles that leave the destination are clipped: what lands inside must be exactly what the
// same call draws there on a surface large enough to hold it. Calls no caller can mean draw
// nothing, and nothing ever lands outside a surface.

namespace {

using ClippingTest = EffectsTest;

// Draws with the destination rectangle's origin moved by (shiftX, shiftY).
using Draw = std::function<void(ISurface* dst, int32_t shiftX, int32_t shiftY)>;

// Runs draw once on a small surface, where it leaves the surface, and once on a canvas with a
// margin around the same pixels, and compares the small surface with the canvas's middle.
void ExpectClippedMatchesUnclipped(const Draw& draw, uint32_t seed) {
    constexpr int32_t kW = 24, kH = 18, kMargin = 40;
    TestSurface canvas(kW + 2 * kMargin, kH + 2 * kMargin, {.padding = 2});
    std::mt19937 random(seed);
    canvas.FillRandom(random);
    TestSurface small(kW, kH, {.padding = 5});
    for (int32_t y = 0; y < kH; ++y) {
        for (int32_t x = 0; x < kW; ++x) std::copy_n(canvas.Pixel(x + kMargin, y + kMargin), 3, small.Pixel(x, y));
    }
    draw(&small, 0, 0);
    draw(&canvas, kMargin, kMargin);
    for (int32_t y = 0; y < kH; ++y) {
        for (int32_t x = 0; x < kW; ++x) {
            ASSERT_TRUE(std::equal(small.Pixel(x, y), small.Pixel(x, y) + 3, canvas.Pixel(x + kMargin, y + kMargin)))
                << "pixel " << x << "," << y;
        }
    }
    ASSERT_TRUE(small.Intact());
}

// Every routine, drawing from src with its destination rectangle's origin at (x, y).
struct ClippedRoutine {
    const char* name;
    void (*draw)(ISurface* d, int32_t x, int32_t y, ISurface* src);
};

constexpr ClippedRoutine kClippedRoutines[] = {
    {"ScanlineQuad", [](ISurface* d, int32_t x, int32_t y,
                        ISurface* s) { ScanlineQuad(d, x, y, 30, 21, s, 2, 1, 27, 4, 25, 23, 0, 20); }},
    {"InterlaceQuad", [](ISurface* d, int32_t x, int32_t y,
                         ISurface* s) { InterlaceQuad(d, x, y, 30, 21, s, 29, 0, 20, 24, 3, 22, 1, 1); }},
    {"ScanlineTile",
     [](ISurface* d, int32_t x, int32_t y, ISurface* s) { ScanlineTile(d, x, y, 33, 22, s, 3, 4, 7, 6, -9, 5); }},
    {"ScanlineMask", [](ISurface* d, int32_t x, int32_t y, ISurface*) { ScanlineMask(d, x, y, 29, 23); }},
    {"BoxBlurRows",
     [](ISurface* d, int32_t x, int32_t y, ISurface* s) { BoxBlurRows(d, x, y, s, 2, 1, 27, 20, 8, 3); }},
    {"TintMask",
     [](ISurface* d, int32_t x, int32_t y, ISurface* s) { TintMask(d, x, y, s, 1, 2, 28, 22, 40, 200, 90); }},
    {"TintMaskScaled",
     [](ISurface* d, int32_t x, int32_t y, ISurface* s) {
         TintMaskScaled(d, x, y, 31, 26, s, 1.5f, 0.25f, 27.0f, 23.5f, 255, 255, 255);
     }},
    {"Afterimage8",
     [](ISurface* d, int32_t x, int32_t y, ISurface* s) { Afterimage8(d, x, y, 35, 27, s, 0.5f, 2.0f, 29.0f, 22.0f); }},
};

using ClippedCase = std::tuple<ClippedRoutine, const EffectKernels*>;

// Each routine with every kernel set, since each set finds the ends of its clipped rows itself.
class ClipsLikeALargerSurface : public EffectsTest, public testing::WithParamInterface<ClippedCase> {
protected:
    void TearDown() override {
        UseEffectKernels(nullptr);
        EffectsTest::TearDown();
    }
};

TEST_P(ClipsLikeALargerSurface, AtEveryEdge) {
    // Not a structured binding: the lambda below takes the routine, which clang's older releases
    // (the browser build's) cannot capture from one.
    const ClippedRoutine& routine = std::get<0>(GetParam());
    UseEffectKernels(std::get<1>(GetParam()));
    TestSurface src(30, 25, {.padding = 1, .alpha = true});
    Randomise(src, 3);
    for (int32_t dx : {-13, 5, 17}) {
        for (int32_t dy : {-11, 1, 12}) {
            SCOPED_TRACE(testing::Message() << "at " << dx << "," << dy);
            ExpectClippedMatchesUnclipped(
                [&](ISurface* d, int32_t sx, int32_t sy) { routine.draw(d, dx + sx, dy + sy, &src); },
                static_cast<uint32_t>(100 + dx * 31 + dy));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Effects, ClipsLikeALargerSurface,
                         testing::Combine(testing::ValuesIn(kClippedRoutines), testing::ValuesIn(EffectKernelSets())),
                         [](const testing::TestParamInfo<ClippedCase>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param)->name;
                         });

TEST_F(ClippingTest, CallsOutsideTheContractNeverTouchMemoryOutsideTheSurfaces) {
    std::mt19937 random(2024);
    TestSurface dst(20, 16, {.padding = 3});
    TestSurface src(9, 7, {.padding = 2, .alpha = true, .alphaPadding = 1});
    TestSurface mask(5, 4, {.pixels = false, .alphaPadding = 2});
    Randomise(src, 1);
    Randomise(mask, 2);
    auto any = [&](int32_t limit) { return Uniform(random, -limit, limit); };
    auto anyFloat = [&]() { return static_cast<float>(any(4000)) / 7.0f; };
    for (int round = 0; round < 400; ++round) {
        Randomise(dst, round);
        const int32_t a = any(40), b = any(40), w = any(60), rows = any(60);
        switch (round % 9) {
            case 0:
                ScanlineQuad(&dst, a, b, w, rows, &src, any(99), any(99), any(99), any(99), any(99), any(99), any(99),
                             any(99));
                break;
            case 1:
                InterlaceQuad(&dst, a, b, w, rows, &src, any(1 << 20), any(1 << 20), any(1 << 20), any(1 << 20),
                              INT32_MAX, INT32_MIN, any(99), any(99));
                break;
            case 2:
                ScanlineTile(&dst, a, b, w, rows, &src, any(INT32_MAX), any(INT32_MAX), any(12), any(12),
                             any(INT32_MAX), any(INT32_MAX));
                break;
            case 3:
                ScanlineMask(&dst, a, b, w, rows);
                break;
            case 4:
                BoxBlurRows(&dst, a, b, &src, any(12), any(12), w, rows, any(INT32_MAX), any(70));
                break;
            case 5:
                TintMask(&dst, a, b, &mask, any(8), any(8), w, rows, any(999), any(999), any(999));
                break;
            case 6:
                TintMaskScaled(&dst, a, b, w, rows, &mask, anyFloat(), anyFloat(), anyFloat(), anyFloat(), any(300),
                               any(300), any(300));
                break;
            case 7:
                Afterimage4(&dst, a, b, w, rows, &src, anyFloat(), anyFloat(), anyFloat() * 1e6f, __builtin_nanf(""));
                break;
            default: {
                const Vertex d[4] = {{anyFloat(), anyFloat()},
                                     {anyFloat(), anyFloat()},
                                     {anyFloat(), anyFloat()},
                                     {anyFloat(), anyFloat()}};
                const Vertex s[4] = {
                    {anyFloat(), anyFloat()}, {anyFloat(), anyFloat()}, {1e30f, -1e30f}, {anyFloat(), anyFloat()}};
                ScreenQuad(&dst, d, &src, s);
            }
        }
        ASSERT_TRUE(dst.Intact()) << "round " << round;
        ASSERT_TRUE(src.Intact() && mask.Intact()) << "round " << round;
    }
}

TEST_F(ClippingTest, SurfacesWithoutTheNeededPlaneAreLeftAlone) {
    TestSurface maskOnly(6, 6, {.pixels = false});
    maskOnly.FillMask(255);
    TestSurface dst(6, 6);
    Randomise(dst, 5);
    const std::vector<uint8_t> before = dst.Pixels();
    // A mask surface has no pixels to sample; a picture without alpha has no mask to read.
    ScanlineQuad(&dst, 0, 0, 6, 6, &maskOnly, 0, 0, 5, 0, 5, 5, 0, 5);
    Afterimage16(&dst, 0, 0, 6, 6, &maskOnly, 0.0f, 0.0f, 6.0f, 6.0f);
    TestSurface picture(6, 6);
    TintMask(&dst, 0, 0, &picture, 0, 0, 6, 6, 255, 255, 255);
    ScanlineMask(&maskOnly, 0, 0, 6, 6);
    ScanlineTile(&dst, 0, 0, 6, 6, &picture, 0, 0, 7, 6, 0, 0);  // tile wider than its source
    BoxBlurRows(&dst, 0, 0, &picture, 1, 0, 6, 6, 2, 1);         // source rectangle past its right edge
    ScanlineTile(&dst, 0, 0, 6, 6, nullptr, 0, 0, 1, 1, 0, 0);
    ScreenQuad(nullptr, nullptr, &picture, nullptr);
    EXPECT_EQ(dst.Pixels(), before);
    EXPECT_TRUE(maskOnly.Intact());
}

}  // namespace

#include "demo/effects/effects.h"
#include "tests/effects/effects_test_support.h"

// The demo must draw the same bytes in the x86-64 and the i686 build. Each case draws a frame as
// a scene would, from pictures filled by the same seeded generator, and checks the frame's hash
// against the value both builds agree on. The geometry is given as literals: no libm call may
// decide a pixel here, only the routines' own arithmetic.

namespace {

using GoldenFramesTest = EffectsTest;

uint64_t Fnv1a(const std::vector<uint8_t>& bytes) {
    uint64_t hash = 1469598103934665603ull;
    for (uint8_t b : bytes) hash = (hash ^ b) * 1099511628211ull;
    return hash;
}

struct Pictures {
    TestSurface screen{640, 480, {.padding = 4}};
    TestSurface picture{700, 530, {.padding = 8, .alpha = true}};
    TestSurface tile{100, 70};
    Pictures() {
        std::mt19937 random(2001);
        screen.FillRandom(random);
        picture.FillRandom(random);
        tile.FillRandom(random);
    }
};

TEST_F(GoldenFramesTest, QuadAndScanlineFrames) {
    Pictures p;
    ScanlineQuad(&p.screen, 0, 80, 640, 320, &p.picture, 212, 148, 471, 41, 577, 298, 318, 405);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 2027755372326255906ull) << "ScanlineQuad";
    InterlaceQuad(&p.screen, 0, 1, 640, 480, &p.picture, 600, 20, 690, 500, 100, 520, 5, 3);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 2128195331262954843ull) << "InterlaceQuad";
    ScanlineTile(&p.screen, 0, 0, 640, 480, &p.tile, 0, 0, 100, 70, -37, 1234);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 16100838447548063217ull) << "ScanlineTile";
    ScanlineMask(&p.screen, 0, 80, 640, 320);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 1723017073672887563ull) << "ScanlineMask";
    BoxBlurRows(&p.screen, 0, 0, &p.picture, 30, 20, 640, 480, 64, 6);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 15903208686539628103ull) << "BoxBlurRows";
}

TEST_F(GoldenFramesTest, TintAndAfterimageFrames) {
    Pictures p;
    TintMask(&p.screen, 100, 80, &p.picture, 0, 80, 440, 320, 64, 0, 255);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 10821123444819352757ull) << "TintMask";
    TintMaskScaled(&p.screen, 37, 28, 566, 424, &p.picture, 0.0f, 0.0f, 699.0f, 529.0f, 255, 255, 255);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 191244279714132654ull) << "TintMaskScaled";
    Afterimage16(&p.screen, 0, 0, 640, 480, &p.picture, 173.3721f, 129.8806f, 341.2558f, 255.9413f);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 17153394329299659936ull) << "Afterimage16";
    Afterimage8(&p.screen, 0, 0, 640, 480, &p.picture, 60.5f, 45.5f, 519.0f, 389.0f);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 10355927039978236541ull) << "Afterimage8";
    Afterimage4(&p.screen, 0, 0, 640, 480, &p.picture, 0.0f, 187.63f, 700.0f, 342.37f);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 14374789279005081063ull) << "Afterimage4";
}

TEST_F(GoldenFramesTest, ScreenQuadFrames) {
    Pictures p;
    // A turned picture inside the screen, one turned the other way that overhangs every edge, and
    // a diamond: three bands, three bands clipped on all sides, two bands.
    const Vertex source[4] = {{0.0f, 0.0f}, {699.0f, 0.0f}, {699.0f, 529.0f}, {0.0f, 529.0f}};
    const Vertex inside[4] = {{143.0f, 95.0f}, {461.0f, 61.0f}, {489.0f, 321.0f}, {171.0f, 355.0f}};
    ScreenQuad(&p.screen, inside, &p.picture, source);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 6882069044839016253ull) << "inside";
    const Vertex overhang[4] = {{-211.0f, 167.0f}, {598.0f, -305.0f}, {874.0f, 339.0f}, {52.0f, 781.0f}};
    ScreenQuad(&p.screen, overhang, &p.picture, source);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 18397818462203175464ull) << "overhang";
    const Vertex diamond[4] = {{320.0f, 40.0f}, {560.0f, 240.0f}, {320.0f, 440.0f}, {80.0f, 240.0f}};
    ScreenQuad(&p.screen, diamond, &p.picture, source);
    EXPECT_EQ(Fnv1a(p.screen.Pixels()), 6132505889841267152ull) << "diamond";
}

}  // namespace

#include <cmath>

#include "demo/effects/effects.h"
#include "demo/effects/screen_quad_bands.h"
#include "testkit/reference_effects.h"
#include "tests/effects/effects_test_support.h"

namespace {

using ScreenQuadTest = EffectsTest;

// Rows of the screen with any byte other than zero, and the written columns of one row.
std::vector<int32_t> LitRows(TestSurface& s) {
    std::vector<int32_t> rows;
    for (int32_t y = 0; y < s.Height(); ++y) {
        for (int32_t x = 0; x < s.Width(); ++x) {
            if (s.Pixel(x, y)[0] != 0) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

TEST_F(ScreenQuadTest, AxisAlignedRectangleIsOneBandOfWholeRows) {
    const Quad q{{{10, 10}, {110, 10}, {110, 60}, {10, 60}}, {{0, 0}, {99, 0}, {99, 49}, {0, 49}}};
    EXPECT_EQ(BuildQuadBands(q.destination).count, 1);
    TestSurface src(100, 50);
    src.Fill(255, 255, 255);
    TestSurface screen(640, 480, {.padding = 6});
    ScreenQuad(&screen, q.destination, &src, q.source);
    const std::vector<int32_t> rows = LitRows(screen);
    ASSERT_EQ(rows.size(), 50u);
    EXPECT_EQ(rows.front(), 10);
    EXPECT_EQ(rows.back(), 59);
    for (int32_t x = 0; x < 640; ++x) {
        const bool inside = x >= 10 && x < 110;
        EXPECT_EQ(screen.Pixel(x, 30)[1], inside ? 255 : 0) << x;
    }
    EXPECT_TRUE(screen.Intact());
}

TEST_F(ScreenQuadTest, BandCountFollowsTheShapeOfTheTurn) {
    const Vertex diamond[4] = {{100, 50}, {150, 100}, {100, 150}, {50, 100}};
    EXPECT_EQ(BuildQuadBands(diamond).count, 2);
    EXPECT_EQ(BuildQuadBands(TurnedPicture(200, 100, 1.0f, 3.0f, 320, 240).destination).count, 3);
    EXPECT_EQ(BuildQuadBands(TurnedPicture(200, 100, 1.0f, 0.0f, 320, 240).destination).count, 1);
}

TEST_F(ScreenQuadTest, BandLimitsAreClampedToTheScreenRows) {
    EXPECT_EQ(ClampBandY(-3.5f), 0.0f);
    EXPECT_EQ(ClampBandY(480.0f), 479.0f);
    EXPECT_EQ(ClampBandY(479.5f), 479.5f);
    TestSurface src(64, 64);
    src.Fill(255, 255, 255);
    TestSurface screen(640, 480);
    const Quad above{{{100, -40}, {200, -40}, {200, 30}, {100, 30}}, {{0, 0}, {63, 0}, {63, 63}, {0, 63}}};
    ScreenQuad(&screen, above.destination, &src, above.source);
    std::vector<int32_t> rows = LitRows(screen);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), 0);
    EXPECT_EQ(rows.back(), 29);

    TestSurface lower(640, 480);
    const Quad below{{{100, 400}, {200, 400}, {200, 700}, {100, 700}}, {{0, 0}, {63, 0}, {63, 63}, {0, 63}}};
    ScreenQuad(&lower, below.destination, &src, below.source);
    rows = LitRows(lower);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), 400);
    EXPECT_EQ(rows.back(), 478);  // the band ends at 479, exclusive
    EXPECT_TRUE(screen.Intact() && lower.Intact());
}

TEST_F(ScreenQuadTest, BlackSourceKeepsTheScreenAndWhiteSourceSaturatesIt) {
    const Quad q = TurnedPicture(80, 60, 1.5f, 30.0f, 300, 200);
    TestSurface black(80, 60), white(80, 60);
    white.Fill(255, 255, 255);
    TestSurface screen(640, 480);
    Randomise(screen, 6);
    const std::vector<uint8_t> before = screen.Pixels();
    ScreenQuad(&screen, q.destination, &black, q.source);
    EXPECT_EQ(screen.Pixels(), before);
    ScreenQuad(&screen, q.destination, &white, q.source);
    ExpectPixel(screen, 300, 200, 255, 255, 255);
}

TEST_F(ScreenQuadTest, WithoutTheTableNothingIsDrawn) {
    TearDown();
    const Quad q = TurnedPicture(8, 8, 4.0f, 10.0f, 320, 240);
    TestSurface src(8, 8);
    src.Fill(255, 255, 255);
    TestSurface screen(640, 480);
    ScreenQuad(&screen, q.destination, &src, q.source);
    EXPECT_TRUE(LitRows(screen).empty());
}

}  // namespace

#include <algorithm>
#include <cmath>

#include "tests/scenes/scene_expect.h"
#include "tests/scenes/test_archive.h"

namespace {

// Screen pixel (x, y) as CG 12 shows it through the crop at (128, 128), shifted by offset.
void ExpectCropPixel(SceneHarness& harness, int32_t x, int32_t y, int32_t offset) {
    const uint8_t* p = harness.screen.PixelAt(x, y);
    for (int32_t c = 0; c < 3; ++c) {
        ASSERT_EQ(p[c], TestPictureByte(12, x + offset + 128, y + offset + 128, c))
            << "pixel (" << x << ", " << y << ") channel " << c;
    }
}

TEST(RippleScene, ShowsTheUndistortedCropWhileTheRadiusIsZero) {
    SceneHarness harness;
    harness.Play(1, {5000, 12500});
    for (int32_t y = 0; y < 480; ++y) {
        for (int32_t x = 0; x < 640; ++x) ExpectCropPixel(harness, x, y, 0);
    }
}

// Displacement of a pixel at distance D behind a front of radius R with phase P, straight from
// the wave formula.
int32_t WaveOffset(int32_t distance, int32_t radius, int32_t phase) {
    if (distance >= radius) return 0;
    const int32_t column = (distance - phase) & 31;
    const double amplitude = static_cast<double>(radius - distance) / 401.0;
    return static_cast<int32_t>(std::sin(2.0 * column * static_cast<double>(0.09817477f)) * amplitude * 16.0);
}

TEST(RippleScene, DisplacesOnlyPixelsInsideTheFront) {
    SceneHarness harness;
    // d = 3750: R = 200 and P = 256.
    harness.Play(1, {8750, 12500});
    // (319, 40) lies at distance trunc(sqrt(200^2 + 1)) = 200 = R: not displaced.
    ExpectCropPixel(harness, 319, 40, 0);
    // (319, 90) lies at distance 150, inside the front.
    const int32_t offset = WaveOffset(150, 200, 256);
    EXPECT_NE(offset, 0);
    ExpectCropPixel(harness, 319, 90, offset);
    // The mirrored quarters read the same entry: (320, 389) is (319, 90) reflected in both axes.
    ExpectCropPixel(harness, 320, 389, offset);
    // Corners are 400 away, outside any front.
    ExpectCropPixel(harness, 0, 0, 0);
    ExpectCropPixel(harness, 639, 479, 0);
}

TEST(RippleScene, DarkensThroughTheMultiplyTableFromElevenSeconds) {
    SceneHarness harness;
    // L = 255 - (12000 * 255 - 2805000) / 1500 = 85; the corner is never displaced.
    harness.Play(1, {12000, 12500});
    const uint8_t* p = harness.screen.PixelAt(0, 0);
    for (int32_t c = 0; c < 3; ++c) {
        const int32_t b = TestPictureByte(12, 128, 128, c);
        EXPECT_EQ(p[c], (2 * 85 * b + 1) / 510) << "channel " << c;
    }
}

TEST(RippleScene, AtElevenSecondsTheDarkeningLooksLikeThePlainCopy) {
    SceneHarness harness;
    harness.Play(1, {11000, 12500});
    // L = 255 at 11000 ms: every byte passes unchanged. The corner is outside the front.
    ExpectCropPixel(harness, 0, 0, 0);
    ExpectCropPixel(harness, 639, 0, 0);
}

struct TunnelSample {
    int32_t column;
    int32_t row;
};

TunnelSample TunnelTexel(int32_t x, int32_t y, int32_t phase) {
    const double angle = std::atan2(static_cast<double>(y - 240), static_cast<double>(x - 320));
    const auto steps = static_cast<int32_t>((angle + 3.1415927410125732) * 256.0 * 0.31830987732601135);
    const double radius = std::sqrt(static_cast<double>((y - 240) * (y - 240) + (x - 320) * (x - 320)));
    const auto depth = static_cast<int32_t>((640.0 - radius) * 0.192);
    return {(phase + (steps & 255)) & 255, (phase + depth) & 255};
}

void ExpectTunnelFrame(SceneHarness& harness, int32_t phase, uint8_t oldByte) {
    for (int32_t y = 0; y < 480; ++y) {
        for (int32_t x = 0; x < 640; x += 2) {
            const TunnelSample texel = TunnelTexel(x, y, phase);
            for (int32_t pixel = x; pixel < x + 2; ++pixel) {
                const uint8_t* p = harness.screen.PixelAt(pixel, y);
                for (int32_t c = 0; c < 3; ++c) {
                    const int32_t t = TestPictureByte(35, texel.column, texel.row, c);
                    ASSERT_EQ(p[c], t / 4 + oldByte / 4 + oldByte / 2) << "pixel (" << pixel << ", " << y << ")";
                }
            }
        }
    }
}

TEST(TunnelScene, FirstFrameSamplesTheTablesUnshiftedAndKeepsThreeQuarters) {
    SceneHarness harness;
    std::fill(harness.screen.Pixels().begin(), harness.screen.Pixels().end(), 201);
    harness.Play(8, {57171, 60887});
    ExpectTunnelFrame(harness, 0, 201);
}

TEST(TunnelScene, PhaseMovesOneTexelEverySixteenMilliseconds) {
    SceneHarness harness;
    std::fill(harness.screen.Pixels().begin(), harness.screen.Pixels().end(), 0);
    harness.Play(8, {57171 + 16 * 10 + 15, 60887});
    ExpectTunnelFrame(harness, 10, 0);
}

}  // namespace

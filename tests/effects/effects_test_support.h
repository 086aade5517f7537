#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "demo/base/bound_modules.h"
#include "demo/effects/effect_kernels.h"
#include "demo/effects/screen_quad_bands.h"
#include "testkit/test_surface.h"

// The effects read the process-wide tables that binding Graph builds; the tests build them
// themselves and free them again, so one test's tables never leak into the next.
class EffectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(BuildMultiplyTable(GraphMultiplyTable()));
        ASSERT_TRUE(BuildScreenTable(GraphScreenTable(), GraphMultiplyTable()));
    }
    void TearDown() override {
        GraphScreenTable().Free();
        GraphMultiplyTable().Free();
    }

    // A padded surface of random pixels (and mask bytes, when asked for).
    static void Randomise(TestSurface& surface, uint32_t seed) {
        std::mt19937 random(seed);
        surface.FillRandom(random);
    }
    static int32_t Uniform(std::mt19937& random, int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    }
};

// Every kernel set this build and CPU can run, the plain one first: what the differential and
// clipping tests run over, each set drawing through UseEffectKernels.
inline std::vector<const EffectKernels*> EffectKernelSets() {
    const EffectKernels* sets[8];
    return std::vector<const EffectKernels*>(sets, sets + AvailableEffectKernels(sets, 8));
}

inline void ExpectPixel(TestSurface& s, int32_t x, int32_t y, int blue, int green, int red) {
    const uint8_t* p = s.Pixel(x, y);
    EXPECT_EQ(p[0], blue) << "blue at " << x << "," << y;
    EXPECT_EQ(p[1], green) << "green at " << x << "," << y;
    EXPECT_EQ(p[2], red) << "red at " << x << "," << y;
}

// The four corners of a picture on the screen and in the picture, as ScreenQuad takes them.
struct Quad {
    Vertex destination[4];
    Vertex source[4];
};

// A w x h picture scaled by s and turned by degrees about (cx, cy), as the demo's spinning CG.
inline Quad TurnedPicture(int32_t w, int32_t h, float s, float degrees, float cx, float cy) {
    const float a = static_cast<float>(w) * s * 0.5f, b = static_cast<float>(h) * s * 0.5f;
    const float radians = degrees * 3.14159265f / 180.0f;
    const float c = std::cos(radians), n = std::sin(radians);
    const float offsets[4][2] = {{-a, -b}, {a, -b}, {a, b}, {-a, b}};
    Quad q;
    for (int k = 0; k < 4; ++k) {
        const float ox = offsets[k][0], oy = offsets[k][1];
        q.destination[k] = {cx + std::trunc(ox * c - oy * n), cy + std::trunc(ox * n + oy * c)};
    }
    const float right = static_cast<float>(w - 1), bottom = static_cast<float>(h - 1);
    q.source[0] = {0.0f, 0.0f};
    q.source[1] = {right, 0.0f};
    q.source[2] = {right, bottom};
    q.source[3] = {0.0f, bottom};
    return q;
}

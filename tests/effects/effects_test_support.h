#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "demo/base/bound_modules.h"
#include "tests/effects/test_surface.h"

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

inline void ExpectPixel(TestSurface& s, int32_t x, int32_t y, int blue, int green, int red) {
    const uint8_t* p = s.Pixel(x, y);
    EXPECT_EQ(p[0], blue) << "blue at " << x << "," << y;
    EXPECT_EQ(p[1], green) << "green at " << x << "," << y;
    EXPECT_EQ(p[2], red) << "red at " << x << "," << y;
}

#include "demo/effects/fixed_point.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "demo/effects/clip_indices.h"
#include "testkit/reference_effects.h"

namespace {

TEST(FixedPointTest, SixteenSixteenRoundsToTheNearestThenAddsTheTruncatedRemainder) {
    EXPECT_EQ(ToFixed16(0.0f), 0);
    EXPECT_EQ(ToFixed16(1.0f), 65536);
    EXPECT_EQ(ToFixed16(0.3f), 19660);              // R = 0
    EXPECT_EQ(ToFixed16(-0.3f), -19660);            // truncation toward zero of the remainder
    EXPECT_EQ(ToFixed16(2.7f), 3 * 65536 - 19660);  // R = 3: just above floor(2.7 * 65536)
    EXPECT_EQ(ToFixed16(-2.7f), -3 * 65536 + 19660);
    // Ties go to the even neighbour; the remainder then carries the half with its sign.
    EXPECT_EQ(ToFixed16(0.5f), 32768);
    EXPECT_EQ(ToFixed16(1.5f), 2 * 65536 - 32768);
    EXPECT_EQ(ToFixed16(2.5f), 2 * 65536 + 32768);
    EXPECT_EQ(ToFixed16(-0.5f), -32768);
}

TEST(FixedPointTest, AgreesWithThePlainFormulaOverManyValues) {
    for (int32_t k = -40000; k <= 40000; k += 7) {
        const float v = static_cast<float>(k) / 97.0f;
        ASSERT_EQ(ToFixed16(v), reference::Fixed16(v)) << v;
    }
}

TEST(FixedPointTest, NearestIntegerTiesToEvenAndOutOfRangeIsTheIndefiniteValue) {
    EXPECT_EQ(RoundToInt(0.5f), 0);
    EXPECT_EQ(RoundToInt(1.5f), 2);
    EXPECT_EQ(RoundToInt(-2.5f), -2);
    EXPECT_EQ(RoundToInt(3.49f), 3);
    EXPECT_EQ(RoundToInt(1e10f), INT32_MIN);
    EXPECT_EQ(TruncateToInt(-1.9f), -1);
    EXPECT_EQ(TruncateToInt(__builtin_nanf("")), INT32_MIN);
}

TEST(FixedPointTest, RunsThatLeaveTheExtentOrWrapNeedTheClampingLoop) {
    EXPECT_TRUE(StaysInside(0, 4096, 10, 12, 10));
    EXPECT_FALSE(StaysInside(0, 4096, 11, 12, 10));
    EXPECT_FALSE(StaysInside(-1, 0, 5, 12, 10));            // -1 >> 12 is -1
    EXPECT_TRUE(StaysInside(9 * 4096, -4096, 10, 12, 10));  // walking backwards
    EXPECT_FALSE(StaysInside(INT32_MAX - 10, 100, 3, 12, 1 << 20));
}

TEST(ClipIndicesTest, KeepsTheIndicesWhosePositionsLieInTheExtent) {
    IndexRange r = ClipIndices(-3, 1, 10, 5);  // positions -3..6 of 0..4
    EXPECT_EQ(r.begin, 3);
    EXPECT_EQ(r.end, 8);
    r = ClipIndices(-3, 2, 10, 6);  // positions -3, -1, 1, 3, 5, 7...
    EXPECT_EQ(r.begin, 2);
    EXPECT_EQ(r.end, 5);
    EXPECT_TRUE(ClipIndices(10, 1, 4, 10).Empty());
    EXPECT_TRUE(ClipIndices(-4, 1, 4, 10).Empty());
    EXPECT_TRUE(ClipIndices(0, 1, 0, 10).Empty());
    r = ClipIndices(INT32_MIN, 1, INT32_MAX, 640);
    EXPECT_TRUE(r.Empty());
    r = ClipIndices(INT32_MAX, 2, 5, 640);
    EXPECT_TRUE(r.Empty());
}

}  // namespace

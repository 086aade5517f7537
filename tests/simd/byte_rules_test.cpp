// The byte rules every kernel set reproduces, against their definitions in plain integer
// division over every pair of bytes. The kernels' differential tests hold each vector width to
// these.
#include "simd/byte_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(ByteRules, ProductAndScreenAreTheFlooredQuotientsForEveryBytePair) {
    for (int32_t a = 0; a < 256; ++a) {
        for (int32_t b = 0; b < 256; ++b) {
            ASSERT_EQ(simd::Product(a, b), a * b / 255) << a << " x " << b;
            ASSERT_EQ(simd::Screen(a, b), 255 - (255 - a) * (255 - b) / 255) << a << " screen " << b;
        }
    }
}

// The two parts never sum past a byte, a weight of 0 keeps the destination and 255 takes the
// source: what the blends' shortcuts for clear and opaque pixels rely on.
TEST(ByteRules, MixIsTheSumOfTwoFlooredQuotientsAndKeepsItsEnds) {
    for (int32_t w = 0; w < 256; ++w) {
        for (int32_t d = 0; d < 256; ++d) {
            for (int32_t s = 0; s < 256; s += 7) {
                const int32_t sum = d * (255 - w) / 255 + s * w / 255;
                ASSERT_LE(sum, 255);
                ASSERT_EQ(simd::Mix(d, s, w), sum) << d << " " << s << " " << w;
            }
            ASSERT_EQ(simd::Mix(d, w, 0), d);
            ASSERT_EQ(simd::Mix(w, d, 255), d);
        }
    }
}

}  // namespace

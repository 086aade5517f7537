// The classification of pixels into table form and SIMD form made visible: with alpha 0 a table
// pixel keeps its value while a group pixel darkens to ⌊255·d / 256⌋. Checked on every kernel set.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "kernel_params.h"
#include "pixel_planes.h"
#include "pixmill/kernels.h"
#include "pixmill/row_table.h"

namespace {

using pixmill::KernelSet;
using pixmill::PixelJob;
using pixmill_test::GuardedPlane;
using pixmill_test::KernelSetsOfThisMachine;
constexpr auto BlendTable = pixmill_test::SharedBlendTable;

constexpr uint8_t kDest = 200;
constexpr uint8_t kSource = 50;
constexpr uint8_t kDestSimd0 = kDest * 255 / 256;        // 199: alpha 0 in SIMD form
constexpr uint8_t kSourceSimd255 = kSource * 255 / 256;  // 49: alpha 255 in SIMD form

class KernelEdgeCases : public ::testing::TestWithParam<const KernelSet*> {
protected:
    // Uniform planes of `rows` rows, `width` pixels, the source starting at `srcResidue` mod 16.
    struct Planes {
        GuardedPlane src;
        GuardedPlane alpha;
        GuardedPlane dst;
        int32_t width;
        int32_t rows;
        PixelJob Job() {
            return PixelJob{dst.Origin(),   dst.Pitch(),   src.Origin(), src.Pitch(),
                            alpha.Origin(), alpha.Pitch(), width,        rows};
        }
        uint8_t DstByte(int32_t row, int32_t pixel, int32_t channel) {
            return dst.Origin()[row * dst.Pitch() + 3 * pixel + channel];
        }
        // Every colour byte of the pixel on every row equals want.
        ::testing::AssertionResult PixelIs(int32_t pixel, uint8_t want) {
            for (int32_t row = 0; row < rows; ++row)
                for (int32_t c = 0; c < 3; ++c)
                    if (DstByte(row, pixel, c) != want)
                        return ::testing::AssertionFailure()
                               << "pixel " << pixel << " row " << row << " channel " << c << " is "
                               << int{DstByte(row, pixel, c)} << ", want " << int{want};
            return ::testing::AssertionSuccess();
        }
    };

    static Planes MakePlanes(int32_t width, int32_t rows, int32_t srcResidue, int32_t pitch) {
        Planes planes{GuardedPlane(pitch, rows, srcResidue), GuardedPlane(width, rows, srcResidue),
                      GuardedPlane(pitch, rows, 0), width, rows};
        for (int32_t y = 0; y < rows; ++y) {
            std::memset(planes.src.Origin() + y * pitch, kSource, 3 * width);
            std::memset(planes.dst.Origin() + y * pitch, kDest, 3 * width);
        }
        return planes;
    }
};

TEST_P(KernelEdgeCases, BlendConstAlphaZeroKeepsTablePixelsAndDarkensGroups) {
    // Source at 1 mod 4: one lead pixel, two groups, one tail pixel.
    for (int32_t alpha : {0, 256}) {
        Planes planes = MakePlanes(10, 2, 1, 48);
        GetParam()->blendConst(BlendTable(), planes.Job(), static_cast<uint32_t>(alpha) & 255u);
        EXPECT_TRUE(planes.PixelIs(0, kDest)) << "alpha " << alpha;
        for (int32_t p = 1; p <= 8; ++p) EXPECT_TRUE(planes.PixelIs(p, kDestSimd0)) << "alpha " << alpha;
        EXPECT_TRUE(planes.PixelIs(9, kDest)) << "alpha " << alpha;
    }
}

TEST_P(KernelEdgeCases, BlendConstAlphaOpaqueCopiesTablePixelsAndScalesGroups) {
    Planes planes = MakePlanes(10, 2, 1, 48);
    GetParam()->blendConst(BlendTable(), planes.Job(), 255);
    EXPECT_TRUE(planes.PixelIs(0, kSource));
    for (int32_t p = 1; p <= 8; ++p) EXPECT_TRUE(planes.PixelIs(p, kSourceSimd255));
    EXPECT_TRUE(planes.PixelIs(9, kSource));
}

// The lead is fixed by the first source address: with a 15-byte pitch later rows start at other
// residues but keep the first row's layout.
TEST_P(KernelEdgeCases, FivePixelRowsSplitByTheFirstSourceAddress) {
    Planes aligned = MakePlanes(5, 3, 0, 15);
    GetParam()->blendConst(BlendTable(), aligned.Job(), 0);
    for (int32_t p = 0; p < 4; ++p) EXPECT_TRUE(aligned.PixelIs(p, kDestSimd0));
    EXPECT_TRUE(aligned.PixelIs(4, kDest));

    Planes offByOne = MakePlanes(5, 3, 1, 15);
    GetParam()->blendConst(BlendTable(), offByOne.Job(), 0);
    EXPECT_TRUE(offByOne.PixelIs(0, kDest));
    for (int32_t p = 1; p < 5; ++p) EXPECT_TRUE(offByOne.PixelIs(p, kDestSimd0));
}

TEST_P(KernelEdgeCases, BlendAlphaGroupShortcutsAndMixedGroups) {
    // Twenty pixels from a 4-aligned source: five groups, the last two past a wide kernel's step.
    Planes planes = MakePlanes(20, 2, 0, 60);
    const uint8_t alphaRow[20] = {0, 0, 0, 0, 255, 255, 255, 255, 0, 255, 0, 255, 0, 0, 0, 0, 255, 255, 255, 0};
    for (int32_t y = 0; y < 2; ++y) std::memcpy(planes.alpha.Origin() + y * planes.alpha.Pitch(), alphaRow, 20);
    GetParam()->blendAlpha(BlendTable(), planes.Job());
    for (int32_t p = 0; p < 4; ++p) EXPECT_TRUE(planes.PixelIs(p, kDest));
    for (int32_t p = 4; p < 8; ++p) EXPECT_TRUE(planes.PixelIs(p, kSource));
    for (int32_t p = 8; p < 12; ++p) EXPECT_TRUE(planes.PixelIs(p, p % 2 ? kSourceSimd255 : kDestSimd0));
    for (int32_t p = 12; p < 16; ++p) EXPECT_TRUE(planes.PixelIs(p, kDest));
    for (int32_t p = 16; p < 19; ++p) EXPECT_TRUE(planes.PixelIs(p, kSourceSimd255));
    EXPECT_TRUE(planes.PixelIs(19, kDestSimd0));
}

TEST_P(KernelEdgeCases, BlendAlphaLeadAndTailUseTheTable) {
    // Source at 3 mod 4: three lead pixels, one group, two tail pixels; alpha 0 and 255 in table
    // form leave the destination and copy the source exactly.
    Planes planes = MakePlanes(9, 1, 3, 27);
    const uint8_t alphaRow[9] = {0, 255, 0, 128, 128, 128, 128, 255, 0};
    std::memcpy(planes.alpha.Origin(), alphaRow, 9);
    GetParam()->blendAlpha(BlendTable(), planes.Job());
    EXPECT_TRUE(planes.PixelIs(0, kDest));
    EXPECT_TRUE(planes.PixelIs(1, kSource));
    EXPECT_TRUE(planes.PixelIs(2, kDest));
    for (int32_t p = 3; p < 7; ++p) EXPECT_TRUE(planes.PixelIs(p, kSource * 128 / 256 + kDest * 127 / 256));
    EXPECT_TRUE(planes.PixelIs(7, kSource));
    EXPECT_TRUE(planes.PixelIs(8, kDest));
}

TEST_P(KernelEdgeCases, AlignedFullWidthCopyLeavesGuardsIntact) {
    std::mt19937 random(3);
    GuardedPlane src(1920, 4, 0);
    GuardedPlane dst(1920, 4, 0);
    GuardedPlane expected(1920, 4, 0);
    src.FillRandom(random);
    dst.FillRandom(random);
    expected.CopyContentFrom(dst);
    std::memcpy(expected.Origin(), src.Origin(), 1920 * 4);
    GetParam()->copy(PixelJob{dst.Origin(), 1920, src.Origin(), 1920, nullptr, 0, 640, 4});
    EXPECT_TRUE(SameBytes(dst, expected));
}

INSTANTIATE_TEST_SUITE_P(EveryKernelSet, KernelEdgeCases, ::testing::ValuesIn(KernelSetsOfThisMachine()),
                         pixmill_test::KernelSetName);

}  // namespace

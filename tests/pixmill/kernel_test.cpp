// Every kernel set the machine runs against the plain reference, over seeded random rectangles:
// widths 1..700, source residues 0..15, pitches aligned to 16 and not, guard bytes around the
// destination. A failing case prints its seed; PIXMILL_TEST_SEED=<seed> replays just that case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "kernel_params.h"
#include "pixel_planes.h"
#include "pixmill/kernels.h"
#include "pixmill/reference.h"
#include "pixmill/row_table.h"

namespace {

using pixmill::KernelSet;
using pixmill::PixelJob;
using pixmill_test::GuardedPlane;
using pixmill_test::KernelSetsOfThisMachine;
constexpr auto BlendTable = pixmill_test::SharedBlendTable;

struct CaseShape {
    int32_t width;
    int32_t height;
    int32_t srcResidue;
    int32_t dstResidue;
    int32_t alphaResidue;
    int32_t srcPitch;
    int32_t dstPitch;
    int32_t alphaPitch;
    int32_t alpha;
    bool bottomUp;

    std::string Describe(uint32_t seed) const {
        std::ostringstream text;
        text << "seed " << seed << ": " << width << "x" << height << " src%16=" << srcResidue
             << " dst%16=" << dstResidue << " pitches " << srcPitch << "/" << dstPitch << "/" << alphaPitch << " alpha "
             << alpha << (bottomUp ? " bottom-up" : "");
        return text.str();
    }
};

int32_t RandomPitch(std::mt19937& random, int32_t rowBytes) {
    if (random() % 2 == 0) return (rowBytes + 15) / 16 * 16 + 16 * static_cast<int32_t>(random() % 3);
    return rowBytes + static_cast<int32_t>(random() % 21);
}

CaseShape RandomCase(uint32_t seed) {
    std::mt19937 random(seed);
    CaseShape shape{};
    // A third of the cases are narrow, where lead, groups and tail all crowd one row.
    shape.width =
        random() % 3 == 0 ? 1 + static_cast<int32_t>(random() % 16) : 1 + static_cast<int32_t>(random() % 700);
    shape.height = 1 + static_cast<int32_t>(random() % 5);
    // Consecutive seeds walk the source through every residue mod 16 (so every lead mod 4).
    shape.srcResidue = static_cast<int32_t>(seed % 16);
    shape.dstResidue = static_cast<int32_t>(random() % 16);
    shape.alphaResidue = static_cast<int32_t>(random() % 16);
    shape.srcPitch = RandomPitch(random, 3 * shape.width);
    shape.dstPitch = RandomPitch(random, 3 * shape.width);
    shape.alphaPitch = RandomPitch(random, shape.width);
    const int32_t special[] = {0, 1, 128, 254, 255, 256, 511, -1};
    shape.alpha = random() % 4 == 0 ? special[random() % 8] : static_cast<int32_t>(random() % 256);
    shape.bottomUp = random() % 5 == 0;
    return shape;
}

// Alpha in runs, so that whole groups come out all clear, all opaque, a mix of both, or graded.
void FillAlphaRuns(GuardedPlane& plane, std::mt19937& random, int32_t width, int32_t height) {
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = plane.Origin() + y * plane.Pitch();
        for (int32_t x = 0; x < width;) {
            // Long runs too, so that wide kernels meet whole vectors of clear or opaque pixels.
            const int32_t run = 1 + static_cast<int32_t>(random() % (random() % 2 ? 12 : 80));
            const uint32_t kind = random() % 4;
            for (int32_t k = 0; k < run && x < width; ++k, ++x) {
                row[x] = kind == 0   ? 0
                         : kind == 1 ? 255
                         : kind == 2 ? (random() % 2 ? 255 : 0)
                                     : static_cast<uint8_t>(random());
            }
        }
    }
}

enum class Operation { Copy, BlendConst, BlendAlpha };

// Runs one random case through the kernel and through the reference; the destination planes,
// guards included, must match byte for byte.
::testing::AssertionResult KernelMatchesReference(const KernelSet& kernels, Operation operation, uint32_t seed) {
    const CaseShape shape = RandomCase(seed);
    std::mt19937 random(seed ^ 0x9E3779B9u);
    GuardedPlane src(shape.srcPitch, shape.height, shape.srcResidue);
    GuardedPlane alpha(shape.alphaPitch, shape.height, shape.alphaResidue);
    GuardedPlane actual(shape.dstPitch, shape.height, shape.dstResidue);
    GuardedPlane expected(shape.dstPitch, shape.height, (shape.dstResidue + 5) % 16);
    src.FillRandom(random);
    alpha.FillRandom(random);
    FillAlphaRuns(alpha, random, shape.width, shape.height);
    actual.FillRandom(random);
    expected.CopyContentFrom(actual);

    PixelJob job{actual.Origin(), shape.dstPitch,   src.Origin(), shape.srcPitch,
                 alpha.Origin(),  shape.alphaPitch, shape.width,  shape.height};
    PixelJob referenceJob = job;
    referenceJob.dst = expected.Origin();
    if (shape.bottomUp) {
        // Bottom-up planes, as a device-independent bitmap stores them: top row last in memory.
        for (PixelJob* j : {&job, &referenceJob}) {
            j->dst += (shape.height - 1) * j->dstPitch;
            j->src += (shape.height - 1) * j->srcPitch;
            j->alpha += (shape.height - 1) * j->alphaPitch;
            j->dstPitch = -j->dstPitch;
            j->srcPitch = -j->srcPitch;
            j->alphaPitch = -j->alphaPitch;
        }
    }
    switch (operation) {
        case Operation::Copy:
            kernels.copy(job);
            pixmill::reference::Copy(referenceJob);
            break;
        case Operation::BlendConst:
            kernels.blendConst(BlendTable(), job, static_cast<uint32_t>(shape.alpha) & 255u);
            pixmill::reference::BlendConst(BlendTable(), referenceJob, shape.alpha);
            break;
        case Operation::BlendAlpha:
            kernels.blendAlpha(BlendTable(), job);
            pixmill::reference::BlendAlpha(BlendTable(), referenceJob);
            break;
    }
    ::testing::AssertionResult same = SameBytes(actual, expected);
    if (!same) same << " (" << shape.Describe(seed) << ")";
    return same;
}

class KernelVersusReference : public ::testing::TestWithParam<const KernelSet*> {};

// The seeds to run: 1..600, or the one named by PIXMILL_TEST_SEED to replay a failure.
struct SeedRange {
    uint32_t first = 1;
    uint32_t last = 600;
};

SeedRange SeedsToRun() {
    SeedRange range;
    if (const char* replay = std::getenv("PIXMILL_TEST_SEED")) {
        range.first = static_cast<uint32_t>(std::strtoul(replay, nullptr, 10));
        range.last = range.first;
    }
    return range;
}

TEST_P(KernelVersusReference, CopyMatchesOnRandomRectangles) {
    const SeedRange seeds = SeedsToRun();
    for (uint32_t seed = seeds.first; seed <= seeds.last; ++seed)
        ASSERT_TRUE(KernelMatchesReference(*GetParam(), Operation::Copy, seed));
}

TEST_P(KernelVersusReference, BlendConstMatchesOnRandomRectangles) {
    const SeedRange seeds = SeedsToRun();
    for (uint32_t seed = seeds.first; seed <= seeds.last; ++seed)
        ASSERT_TRUE(KernelMatchesReference(*GetParam(), Operation::BlendConst, seed));
}

TEST_P(KernelVersusReference, BlendAlphaMatchesOnRandomRectangles) {
    const SeedRange seeds = SeedsToRun();
    for (uint32_t seed = seeds.first; seed <= seeds.last; ++seed)
        ASSERT_TRUE(KernelMatchesReference(*GetParam(), Operation::BlendAlpha, seed));
}

// A copy large enough to take the streaming path of the wider sets, with an odd pitch so that
// later rows start unaligned.
TEST_P(KernelVersusReference, LargeCopyWithUnalignedPitchMatches) {
    const int32_t width = 1400;
    const int32_t height = static_cast<int32_t>(pixmill::kStreamingCopyBytes / (3 * width)) + 2;
    std::mt19937 random(7);
    GuardedPlane src(3 * width + 7, height, 3);
    GuardedPlane actual(3 * width + 5, height, 0);
    GuardedPlane expected(3 * width + 5, height, 9);
    src.FillRandom(random);
    actual.FillRandom(random);
    expected.CopyContentFrom(actual);
    PixelJob job{actual.Origin(), actual.Pitch(), src.Origin(), src.Pitch(), nullptr, 0, width, height};
    GetParam()->copy(job);
    job.dst = expected.Origin();
    pixmill::reference::Copy(job);
    EXPECT_TRUE(SameBytes(actual, expected));
}

// Source and destination inside one plane, shifted by up to two rows and eight pixels either
// way, top-down and bottom-up: every kernel must give what the reference (which reads the whole
// source first) gives.
TEST_P(KernelVersusReference, OverlappingCopyMovesTheSourceAsItWas) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        const int32_t width = 1 + static_cast<int32_t>(random() % 200);
        const int32_t height = 1 + static_cast<int32_t>(random() % 6);
        const int32_t pitch = RandomPitch(random, 3 * (width + 16));
        const int32_t rows = height + 4;
        GuardedPlane actual(pitch, rows, static_cast<int32_t>(random() % 16));
        GuardedPlane expected(pitch, rows, static_cast<int32_t>(random() % 16));
        actual.FillRandom(random);
        expected.CopyContentFrom(actual);
        const int32_t shiftRows = static_cast<int32_t>(random() % 5) - 2;
        const int32_t shiftPixels = static_cast<int32_t>(random() % 17) - 8;
        const bool bottomUp = random() % 3 == 0;
        const auto jobIn = [&](GuardedPlane& plane) {
            uint8_t* origin = plane.Origin() + 2 * pitch + 3 * 8;
            int32_t rowStep = pitch;
            if (bottomUp) {
                origin += (height - 1) * pitch;
                rowStep = -pitch;
            }
            uint8_t* dst = origin + shiftRows * rowStep + 3 * shiftPixels;
            return PixelJob{dst, rowStep, origin, rowStep, nullptr, 0, width, height};
        };
        GetParam()->copy(jobIn(actual));
        pixmill::reference::Copy(jobIn(expected));
        ASSERT_TRUE(SameBytes(actual, expected))
            << "seed " << seed << ": " << width << "x" << height << " shift " << shiftRows << " rows " << shiftPixels
            << " pixels" << (bottomUp ? " bottom-up" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKernelSet, KernelVersusReference, ::testing::ValuesIn(KernelSetsOfThisMachine()),
                         pixmill_test::KernelSetName);

TEST(KernelChoice, BaselineComesFirstAndIsAlwaysThere) {
    const std::vector<const KernelSet*> sets = KernelSetsOfThisMachine();
    ASSERT_FALSE(sets.empty());
    EXPECT_EQ(&pixmill::BaselineKernels(), sets.front());
    std::vector<std::string> names;
    for (const KernelSet* set : sets) names.push_back(set->name);
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), "scalar"));
#if defined(__x86_64__) || defined(__i386__)
    EXPECT_EQ("mmx-sse", names.front());
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), "sse2"));
#endif
}

}  // namespace

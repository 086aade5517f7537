#include <gtest/gtest.h>

#include "cg_test_fixture.h"

namespace {

using BmpPicture = CgLoadTest;

// Written by ImageMagick from data/pattern_*.ppm at build time.
Bytes MagickBmp(const char* name) { return ReadBytes(std::string("assets_test_data/") + name); }

TEST_F(BmpPicture, RowsAreStoredBottomUpWithPaddedRows) {
    const Bytes file = MagickBmp("pattern_3x2.bmp");  // rows of 9 bytes padded to 12
    ASSERT_FALSE(file.empty());
    factory.layout.rowPadding = 7;
    ASSERT_TRUE(Load(file));
    EXPECT_EQ(HeapLayerforge::Kind::WithAlpha, factory.lastKind);
    const uint32_t top[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    const uint32_t bottom[3] = {0x0A141E, 0x28323C, 0x46505A};
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(top[x], Surface().Rgb(x, 0)) << "x = " << x;
        EXPECT_EQ(bottom[x], Surface().Rgb(x, 1)) << "x = " << x;
    }
    EXPECT_TRUE(Surface().GuardsIntact());
}

TEST_F(BmpPicture, UnpaddedRowsAndTheFirstStoredRowInTheBottomRow) {
    const Bytes file = MagickBmp("pattern_4x3.bmp");
    ASSERT_FALSE(file.empty());
    ASSERT_TRUE(Load(file));
    ASSERT_EQ(4, holder.Width());
    ASSERT_EQ(3, holder.Height());
    EXPECT_EQ(0x010203u, Surface().Rgb(0, 0));
    EXPECT_EQ(0x0A0B0Cu, Surface().Rgb(3, 0));
    EXPECT_EQ(0x161718u, Surface().Rgb(3, 1));
    EXPECT_EQ(0xFAFBFCu, Surface().Rgb(0, 2));
    EXPECT_EQ(0x804020u, Surface().Rgb(3, 2));
}

Bytes HandMadeBmp(int32_t width, int32_t height, uint8_t bits, uint32_t rowsOffset, size_t payload) {
    Bytes out = {'B', 'M'};
    out.resize(10, 0);
    platform::AppendLe32(out, rowsOffset);
    platform::AppendLe32(out, 40);
    platform::AppendLe32(out, static_cast<uint32_t>(width));
    platform::AppendLe32(out, static_cast<uint32_t>(height));
    out.push_back(1);
    out.push_back(0);
    out.push_back(bits);
    out.push_back(0);
    out.resize(54 + payload, 0x33);
    return out;
}

TEST_F(BmpPicture, OtherDepthsFailSilently) {
    EXPECT_FALSE(Load(HandMadeBmp(2, 2, 32, 54, 16)));
    EXPECT_FALSE(Load(HandMadeBmp(2, 2, 8, 54, 16)));
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(0, factory.created);
}

TEST_F(BmpPicture, LastRowNeedsNoPadding) {
    // 2 x 2: one padded row of 8 bytes and a last row of 6.
    ASSERT_TRUE(Load(HandMadeBmp(2, 2, 24, 54, 14)));
    EXPECT_EQ(0x333333u, Surface().Rgb(1, 0));
}

TEST_F(BmpPicture, RowsBeyondThePictureOrImpossibleSizesAreRejected) {
    const Bytes cases[] = {
        HandMadeBmp(2, 2, 24, 54, 13),                                          // last row one byte short
        HandMadeBmp(2, 2, 24, 0xFFFFFFF0u, 14),                                 // rows far past the picture
        HandMadeBmp(0x40000000, 1, 24, 54, 14),                                 // a row wider than the file
        HandMadeBmp(2, 0x7FFFFFFF, 24, 54, 14), HandMadeBmp(2, 0, 24, 54, 14),  // no rows
        HandMadeBmp(2, -2, 24, 54, 14),                                         // top-down rows are not read
        HandMadeBmp(0, 2, 24, 54, 14),          Bytes{'B', 'M', 0, 0, 0},       // header cut short
    };
    for (const Bytes& bad : cases) {
        EXPECT_FALSE(Load(bad));
        EXPECT_EQ(std::vector<std::string>{"ＣＧ【 0 】のデータが壊れています"}, TakeMessages());
        archive.Close();
    }
    EXPECT_EQ(0, factory.created);
}

}  // namespace

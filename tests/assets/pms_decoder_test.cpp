#include <gtest/gtest.h>

#include "cg_test_fixture.h"

namespace {

// A literal colour of the 16-bit stream; low bytes 0xF8 and above need the escape.
Bytes Colour(uint16_t value) {
    const uint8_t low = static_cast<uint8_t>(value), high = static_cast<uint8_t>(value >> 8);
    if (low >= 0xF8) return {0xF8, low, high};
    return {low, high};
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

// 5-6-5 values and what they widen to.
constexpr uint16_t kRed = 0xF800, kWhite = 0xFFFF, kBlue = 0x001F, kGreen = 0x07E0;
constexpr uint16_t kA = 0x1234, kB = 0x4321, kC = 0x0841, kD = 0x7BEF;

uint32_t Widened(uint16_t c) {
    const uint32_t r = c >> 11, g = (c >> 5) & 0x3F, b = c & 0x1F;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

using ColourStream = CgLoadTest;
using ByteStream = CgLoadTest;

TEST_F(ColourStream, LiteralsEscapeAndWidening) {
    ASSERT_TRUE(Load(
        PmsPicture(16, 5, 1, Join({Colour(0x0000), Colour(kWhite), Colour(kRed), Colour(kBlue), Colour(0x07F7)}))));
    EXPECT_EQ(HeapLayerforge::Kind::Plain, factory.lastKind);
    EXPECT_FALSE(Surface().HasAlpha());
    EXPECT_EQ(0x000000u, Surface().Rgb(0, 0));
    EXPECT_EQ(0xFFFFFFu, Surface().Rgb(1, 0));  // low byte 0xFF went through the escape
    EXPECT_EQ(0xFF0000u, Surface().Rgb(2, 0));
    EXPECT_EQ(0x0000FFu, Surface().Rgb(3, 0));
    EXPECT_EQ(0x00FFBDu, Surface().Rgb(4, 0));  // green 63 -> 255, blue 23 -> 189
    EXPECT_TRUE(Surface().GuardsIntact());
}

TEST_F(ColourStream, RunSharingHighBits) {
    // d0 = 0 is one pixel; h = m = 0xFF is white; h = 101 01 010, m = 01 1010 11 gives
    // red 21, green 26, blue 11.
    ASSERT_TRUE(Load(PmsPicture(16, 3, 1, {0xF9, 0x00, 0xFF, 0xFF, 0xF9, 0x01, 0xAA, 0x6B, 0x00})));
    EXPECT_EQ(0xFFFFFFu, Surface().Rgb(0, 0));
    EXPECT_EQ(Widened(21 << 11 | 26 << 5 | 11), Surface().Rgb(1, 0));
    EXPECT_EQ(Widened(20 << 11 | 16 << 5 | 8), Surface().Rgb(2, 0));
}

TEST_F(ColourStream, DiagonalCopiesFromTheRowAbove) {
    ASSERT_TRUE(Load(PmsPicture(16, 3, 2, Join({Colour(kA), Colour(kB), Colour(kC), {0xFA, 0xFB}, Colour(kD)}))));
    EXPECT_EQ(Widened(kB), Surface().Rgb(0, 1));  // above and to the right
    EXPECT_EQ(Widened(kA), Surface().Rgb(1, 1));  // above and to the left
    EXPECT_EQ(Widened(kD), Surface().Rgb(2, 1));
}

TEST_F(ColourStream, PatternWritesPairsAndFillHasBiasThree) {
    const Bytes a = Colour(kA), b = Colour(kB), c = Colour(kC);
    ASSERT_TRUE(Load(PmsPicture(16, 7, 1, {0xFC, 0x00, a[0], a[1], b[0], b[1], 0xFD, 0x00, c[0], c[1]})));
    const uint32_t expected[7] = {Widened(kA), Widened(kB), Widened(kA), Widened(kB),
                                  Widened(kC), Widened(kC), Widened(kC)};
    for (int x = 0; x < 7; ++x) EXPECT_EQ(expected[x], Surface().Rgb(x, 0)) << "x = " << x;
}

TEST_F(ColourStream, CopiesFromOneAndTwoRowsAboveHaveBiasTwo) {
    ASSERT_TRUE(
        Load(PmsPicture(16, 2, 4, Join({Colour(kA), Colour(kB), Colour(kC), Colour(kD), {0xFE, 0x00}, {0xFF, 0x00}}))));
    EXPECT_EQ(Widened(kA), Surface().Rgb(0, 2));
    EXPECT_EQ(Widened(kB), Surface().Rgb(1, 2));
    EXPECT_EQ(Widened(kA), Surface().Rgb(0, 3));
    EXPECT_EQ(Widened(kB), Surface().Rgb(1, 3));
}

TEST_F(ColourStream, RowsEndingAtTheWidthStartAfreshPastThePadding) {
    factory.layout.rowPadding = 5;
    const Bytes a = Colour(kA), c = Colour(kC);
    ASSERT_TRUE(Load(PmsPicture(16, 4, 2, Join({{0xFD, 0x01, a[0], a[1]}, Colour(kB), {0xFD, 0x00, c[0], c[1]}}))));
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Widened(kA), Surface().Rgb(x, 0));
    EXPECT_EQ(Widened(kB), Surface().Rgb(0, 1));
    for (int x = 1; x < 4; ++x) EXPECT_EQ(Widened(kC), Surface().Rgb(x, 1));
    const uint8_t* padding = Surface().PixelAt(4, 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(kGuard, padding[i]);
}

TEST_F(ColourStream, RunPastTheRowIsOverwrittenByTheNextRowAndStopsAtThePlaneEnd) {
    const Bytes a = Colour(kA), d = Colour(kD);
    // Row 0: a fill of 4 pixels in a 3-pixel row. Row 1: three literals, then nothing; row 2: a
    // fill of 5 that runs past the end of the picture.
    ASSERT_TRUE(Load(PmsPicture(
        16, 3, 3, Join({{0xFD, 0x01, a[0], a[1]}, Colour(kB), Colour(kC), Colour(kD), {0xFD, 0x02, d[0], d[1]}}))));
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Widened(kA), Surface().Rgb(x, 0));
    EXPECT_EQ(Widened(kB), Surface().Rgb(0, 1));
    EXPECT_EQ(Widened(kC), Surface().Rgb(1, 1));
    EXPECT_EQ(Widened(kD), Surface().Rgb(2, 1));
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Widened(kD), Surface().Rgb(x, 2));
    EXPECT_TRUE(Surface().GuardsIntact());
}

TEST_F(ColourStream, AlphaPlaneFollowsTheColourPlaneWhenItsOffsetIsSet) {
    ASSERT_TRUE(Load(PmsPicture(16, 2, 1, Join({Colour(kGreen), Colour(kRed)}), {0x00, 0xF8, 0xFF})));
    EXPECT_EQ(HeapLayerforge::Kind::WithAlpha, factory.lastKind);
    EXPECT_EQ(0x00FF00u, Surface().Rgb(0, 0));
    EXPECT_EQ(0, Surface().Alpha(0, 0));
    EXPECT_EQ(255, Surface().Alpha(1, 0));
}

TEST_F(ByteStream, LiteralsEscapeAndSkippedOpcodes) {
    ASSERT_TRUE(Load(PmsPicture(8, 3, 1, {0x10, 0xF9, 0xFA, 0xFB, 0xF8, 0xFE, 0xF7})));
    EXPECT_EQ(HeapLayerforge::Kind::Mask, factory.lastKind);
    EXPECT_EQ(0x10, Surface().Alpha(0, 0));
    EXPECT_EQ(0xFE, Surface().Alpha(1, 0));
    EXPECT_EQ(0xF7, Surface().Alpha(2, 0));
}

TEST_F(ByteStream, PatternAndFillBiases) {
    // 0xFC with d0 = 0 writes three pairs; 0xFD with d0 = 0 writes four bytes.
    ASSERT_TRUE(Load(PmsPicture(8, 10, 1, {0xFC, 0x00, 1, 2, 0xFD, 0x00, 9})));
    const uint8_t expected[10] = {1, 2, 1, 2, 1, 2, 9, 9, 9, 9};
    for (int x = 0; x < 10; ++x) EXPECT_EQ(expected[x], Surface().Alpha(x, 0)) << "x = " << x;
    EXPECT_TRUE(Surface().GuardsIntact());
}

TEST_F(ByteStream, CopiesFromAboveHaveBiasThree) {
    factory.layout.rowPadding = 3;
    ASSERT_TRUE(Load(PmsPicture(8, 3, 4, {1, 2, 3, 4, 5, 6, 0xFE, 0x00, 0xFF, 0x00})));
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(1 + x, Surface().Alpha(x, 2));
        EXPECT_EQ(1 + x, Surface().Alpha(x, 3));
    }
}

// Bad streams: rejected with a message and the holder's picture kept, or clipped to the plane.

TEST_F(ColourStream, StreamsEndingEarlyAreRejectedAndTheHolderKeepsItsPicture) {
    const Bytes good = PmsPicture(16, 1, 1, Colour(kA));
    const Bytes cases[] = {
        PmsPicture(16, 2, 1, Colour(kA)),                              // one pixel missing
        PmsPicture(16, 1, 1, {0x12}),                                  // literal without its high byte
        PmsPicture(16, 4, 1, {0xFD, 0x01, 0x00}),                      // fill without its colour
        PmsPicture(16, 4, 1, {0xF9, 0x03, 0x00, 1}),                   // shared-bits run short of its bytes
        PmsPicture(8, 2, 1, {0x01, 0xF8}),                             // escape without its value
        PmsPicture(16, 1, 2, Join({Colour(kA), Colour(kB)}), {0x00}),  // alpha plane short of a row
    };
    for (const Bytes& bad : cases) {
        ASSERT_TRUE(LoadFrom({good, bad}, 0));
        ISurface* kept = holder.Get();
        TakeMessages();
        EXPECT_FALSE(archive.LoadCg(1, holder));
        EXPECT_EQ(kept, holder.Get());
        EXPECT_EQ(std::vector<std::string>{"ＣＧ【 1 】のデータが壊れています"}, TakeMessages());
        EXPECT_EQ(1, factory.liveSurfaces);
        holder.Release();
        archive.Close();
    }
}

TEST_F(ColourStream, CopiesFromAboveTheFirstRowAreRejected) {
    const Bytes cases[] = {
        PmsPicture(16, 2, 1, {0xFF, 0x00}),                                        // row above row 0
        PmsPicture(16, 2, 2, Join({Colour(kA), Colour(kB), {0xFE, 0x00}})),        // two rows above row 1
        PmsPicture(16, 2, 2, Join({Colour(kA), Colour(kB), {0xFB}, Colour(kC)})),  // left of the plane
        PmsPicture(16, 2, 1, {0xFB, 0xFB}),
        PmsPicture(8, 3, 1, {0xFF, 0x00}),
        PmsPicture(8, 3, 2, {1, 2, 3, 0xFE, 0x00}),
    };
    for (const Bytes& bad : cases) {
        EXPECT_FALSE(Load(bad));
        EXPECT_FALSE(holder);
        EXPECT_EQ(std::vector<std::string>{"ＣＧ【 0 】のデータが壊れています"}, TakeMessages());
        archive.Close();
    }
}

TEST_F(ColourStream, ImpossibleSizesAndOffsetsAreRejectedBeforeASurfaceIsMade) {
    Bytes beyond = PmsPicture(16, 1, 1, Colour(kA));
    beyond[32] = 200;  // main stream offset past the picture
    Bytes alphaBeyond = PmsPicture(16, 1, 1, Colour(kA), {0x00});
    alphaBeyond[36] = 200;
    const Bytes cases[] = {
        PmsPicture(16, 0x7FFFFFFF, 0x7FFFFFFF, Colour(kA)),
        PmsPicture(8, 100000, 100000, {0xFD, 0xFF, 0x00}),  // a stream far too short for the plane
        PmsPicture(16, 0, 5, Colour(kA)),
        PmsPicture(16, 5, -1, Colour(kA)),
        beyond,
        alphaBeyond,
        Bytes{'P', 'M', 0, 0, 0, 0, 16},  // header cut short
    };
    for (const Bytes& bad : cases) {
        EXPECT_FALSE(Load(bad));
        EXPECT_EQ(std::vector<std::string>{"ＣＧ【 0 】のデータが壊れています"}, TakeMessages());
        archive.Close();
    }
    EXPECT_EQ(0, factory.created);
}

TEST_F(CgLoadTest, FormatFailuresShowTheirMessages) {
    EXPECT_FALSE(LoadFrom({PmsPicture(16, 1, 1, Colour(kA)), PmsPicture(24, 1, 1, Colour(kA))}, 1));
    EXPECT_EQ(std::vector<std::string>{"展開できないＰＭＳ【 1 】です"}, TakeMessages());
    archive.Close();
    EXPECT_FALSE(Load(Bytes{'G', 'I', 'F', '8'}));
    EXPECT_FALSE(archive.LoadCg(0, holder));
    EXPECT_FALSE(Load(Bytes{'P'}));  // too short to hold a signature
    EXPECT_EQ((std::vector<std::string>{"無効なＣＧフォーマット【 0 】です", "無効なＣＧフォーマット【 0 】です",
                                        "無効なＣＧフォーマット【 0 】です"}),
              TakeMessages());
    EXPECT_FALSE(archive.LoadCg(1, holder));
    EXPECT_FALSE(archive.LoadCg(-1, holder));
    EXPECT_EQ((std::vector<std::string>{"ＣＧ【 1 】はありません", "ＣＧ【 -1 】はありません"}), TakeMessages());
    EXPECT_EQ(0, factory.created);
}

TEST_F(CgLoadTest, HolderIsReplacedOnlyWhenTheNewLoadSucceeds) {
    const Bytes first = PmsPicture(16, 1, 1, Colour(kA));
    const Bytes second = PmsPicture(16, 2, 1, Join({Colour(kB), Colour(kC)}));
    ASSERT_TRUE(LoadFrom({first, second}, 0));
    ISurface* old = holder.Get();
    factory.failCreation = true;
    EXPECT_FALSE(archive.LoadCg(1, holder));  // the factory's refusal shows nothing
    EXPECT_EQ(old, holder.Get());
    EXPECT_EQ(1, factory.liveSurfaces);
    factory.failCreation = false;
    ASSERT_TRUE(archive.LoadCg(1, holder));
    EXPECT_NE(old, holder.Get());
    EXPECT_EQ(2, holder.Width());
    EXPECT_EQ(1, factory.liveSurfaces);  // the old one was released
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(CgLoadTest, NoFactoryMeansNoPicture) {
    CurrentLayerforge() = nullptr;
    EXPECT_FALSE(Load(PmsPicture(16, 1, 1, Colour(kA))));
    EXPECT_FALSE(holder);
}

}  // namespace

#include "demo/assets/dib_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/window.h"
#include "tests/support/raw_slots.h"

namespace {

std::vector<uint8_t> Colours(int count, uint8_t seed) {
    std::vector<uint8_t> out;
    for (int i = 0; i < count; ++i) out.insert(out.end(), {static_cast<uint8_t>(seed + i), seed, 7, 0});
    return out;
}

TEST(DibSurface, CreateRoundsRowsToFourBytesAndKeepsTheFirstShape) {
    DibSurface wide;
    ASSERT_TRUE(wide.Create(nullptr, 10, 3, 24));
    EXPECT_EQ(32, wide.Pitch());
    EXPECT_EQ(24, wide.Depth());
    EXPECT_TRUE(wide.Create(nullptr, 99, 99, 8));  // already created: nothing changes
    EXPECT_EQ(10, wide.Width());
    EXPECT_EQ(3, wide.Height());
    EXPECT_EQ(wide.PixelAt(0, 0) + 2 * 32 + 9 * 3, wide.PixelAt(9, 2));

    DibSurface narrow;
    ASSERT_TRUE(narrow.Create(nullptr, 242, 2, 8));
    EXPECT_EQ(244, narrow.Pitch());
    narrow.PixelAt(243, 1)[0] = 1;  // the rounded-up row is the bitmap's own memory

    DibSurface odd;
    EXPECT_FALSE(odd.Create(nullptr, 4, 4, 32));
    EXPECT_FALSE(odd.Create(nullptr, 0, 4, 8));
    EXPECT_FALSE(odd.HasPixels());
    EXPECT_EQ(nullptr, odd.PixelAt(0, 0));
}

TEST(DibSurface, ReleaseEmptiesAndAllowsANewCreate) {
    DibSurface dib;
    ASSERT_TRUE(dib.Create(nullptr, 4, 4, 16));
    EXPECT_TRUE(dib.HasPixels());
    EXPECT_EQ(0, dib.Release());
    EXPECT_EQ(nullptr, dib.PixelAt(0, 0));
    EXPECT_FALSE(dib.HasPixels());
    EXPECT_EQ(0, dib.Width());
    EXPECT_EQ(0, dib.Release());
    ASSERT_TRUE(dib.Create(nullptr, 6, 2, 8));
    EXPECT_EQ(8, dib.Pitch());
    EXPECT_EQ(nullptr, dib.AlphaAt(0, 0));
    EXPECT_EQ(0, dib.AlphaPitch());
    EXPECT_FALSE(dib.IsHostOwned());
}

TEST(DibSurface, PaletteOnlyForEightBitsAndNeverPastTheTable) {
    const std::vector<uint8_t> colours = Colours(12, 40);
    for (int bits : {16, 24}) {
        DibSurface dib;
        ASSERT_TRUE(dib.Create(nullptr, 4, 4, bits));
        EXPECT_FALSE(dib.SetPalette(0, 4, colours.data()));
        EXPECT_FALSE(dib.PaletteDirty());
    }
    DibSurface dib;
    ASSERT_TRUE(dib.Create(nullptr, 4, 4, 8));
    EXPECT_TRUE(dib.SetPalette(250, 12, colours.data()));
    EXPECT_TRUE(dib.PaletteDirty());
    EXPECT_EQ(colours[5 * 4], dib.Palette()[255 * 4]);
    EXPECT_TRUE(dib.SetPalette(-2, 4, colours.data()));
    EXPECT_EQ(colours[2 * 4], dib.Palette()[0]);
    EXPECT_EQ(colours[3 * 4], dib.Palette()[4]);
    EXPECT_TRUE(dib.SetPalette(0x7FFFFFFF, 12, colours.data()));
    EXPECT_TRUE(dib.SetPalette(-0x7FFFFFFF - 1, 12, colours.data()));
}

class DibBlit : public ::testing::Test {
protected:
    void SetUp() override {
        window = platform::CreateFramebufferWindow("dib", 64, 48);
        pixels = platform::WindowFramebuffer(window, &width, &height, &pitch);
        if (pixels == nullptr) GTEST_SKIP() << "the host reads a real window back on Windows";
    }
    void TearDown() override { platform::DestroyWindow(window); }
    std::vector<uint8_t> At(int x, int y) { return {pixels + y * pitch + x * 3, pixels + y * pitch + x * 3 + 3}; }

    platform::Window window = nullptr;
    uint8_t* pixels = nullptr;
    int width = 0, height = 0, pitch = 0;
};

TEST_F(DibBlit, EightBitsGoThroughTheColourTableInstalledOnce) {
    DibSurface dib;
    ASSERT_TRUE(dib.Create(window, 8, 8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) *dib.PixelAt(x, y) = static_cast<uint8_t>(y * 8 + x);
    const std::vector<uint8_t> colours = Colours(256, 0);
    ASSERT_TRUE(dib.SetPalette(0, 256, colours.data()));
    ASSERT_TRUE(dib.BlitToWindow(window, 10, 20, 2, 3, 4, 4));
    EXPECT_FALSE(dib.PaletteDirty());
    EXPECT_EQ((std::vector<uint8_t>{26, 0, 7}), At(10, 20));  // index 3 * 8 + 2
    EXPECT_EQ((std::vector<uint8_t>{53, 0, 7}), At(13, 23));
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 0}), At(14, 20));
    // The colour table stays installed for blits without a new palette.
    ASSERT_TRUE(dib.BlitToWindow(window, 0, 0, 0, 0, 1, 1));
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 7}), At(0, 0));
}

// Rows of every length around the eight-pixel packing: each pixel its own entry, the spare
// byte of an entry never shown, nothing written past the row.
TEST_F(DibBlit, EightBitRowsOfEveryLengthMatchTheColourTable) {
    std::vector<uint8_t> colours;
    for (int i = 0; i < 256; ++i)
        colours.insert(colours.end(), {static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 0x5A, 0xEE});
    for (int w = 1; w <= 17; ++w) {
        SCOPED_TRACE(w);
        std::fill(pixels, pixels + pitch * height, 0x11);
        DibSurface dib;
        ASSERT_TRUE(dib.Create(window, w, 1, 8));
        for (int x = 0; x < w; ++x) *dib.PixelAt(x, 0) = static_cast<uint8_t>(37 * x + 5);
        ASSERT_TRUE(dib.SetPalette(0, 256, colours.data()));
        ASSERT_TRUE(dib.BlitToWindow(window, 3, 2, 0, 0, w, 1));
        for (int x = 0; x < w; ++x) {
            const uint8_t index = static_cast<uint8_t>(37 * x + 5);
            EXPECT_EQ((std::vector<uint8_t>{index, static_cast<uint8_t>(255 - index), 0x5A}), At(3 + x, 2));
        }
        EXPECT_EQ((std::vector<uint8_t>{0x11, 0x11, 0x11}), At(3 + w, 2));
    }
}

TEST_F(DibBlit, ClippedToTheWindowAndTheBitmap) {
    DibSurface dib;
    ASSERT_TRUE(dib.Create(window, 8, 8, 24));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) dib.PixelAt(x, y)[0] = static_cast<uint8_t>(1 + y * 8 + x);
    ASSERT_TRUE(dib.BlitToWindow(window, 60, 44, 0, 0, 20, 20));  // past the window's corner
    EXPECT_EQ(1, At(60, 44)[0]);
    EXPECT_EQ(1 + 3 * 8 + 3, At(63, 47)[0]);
    ASSERT_TRUE(dib.BlitToWindow(window, -2, -3, 0, 0, 8, 8));  // before the window's corner
    EXPECT_EQ(1 + 3 * 8 + 2, At(0, 0)[0]);
    ASSERT_TRUE(dib.BlitToWindow(window, 30, 30, 6, 6, 8, 8));  // past the bitmap's corner
    EXPECT_EQ(1 + 6 * 8 + 6, At(30, 30)[0]);
    EXPECT_EQ(0, At(32, 30)[0]);
}

TEST_F(DibBlit, SixteenBitsWidenFiveSixFive) {
    DibSurface dib;
    ASSERT_TRUE(dib.Create(window, 2, 1, 16));
    dib.PixelAt(0, 0)[0] = 0x00;
    dib.PixelAt(0, 0)[1] = 0xF8;  // red
    dib.PixelAt(1, 0)[0] = 0x1F;
    dib.PixelAt(1, 0)[1] = 0x00;  // blue
    ASSERT_TRUE(dib.BlitToWindow(window, 0, 0, 0, 0, 2, 1));
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 255}), At(0, 0));
    EXPECT_EQ((std::vector<uint8_t>{255, 0, 0}), At(1, 0));
}

TEST(DibSurfaceWithoutWindow, BlitNeedsABitmapAndAWindow) {
    DibSurface dib;
    EXPECT_FALSE(dib.BlitToWindow(nullptr, 0, 0, 0, 0, 1, 1));
    ASSERT_TRUE(dib.Create(nullptr, 4, 4, 8));
    ASSERT_TRUE(dib.SetPalette(0, 1, Colours(1, 9).data()));
    EXPECT_FALSE(dib.BlitToWindow(nullptr, 0, 0, 0, 0, 1, 1));
    EXPECT_TRUE(dib.PaletteDirty());  // not installed anywhere yet
}

// Through raw table slots, as code built by another compiler would call the movie's surface.
TEST(DibSurface, OperationsStandInTheirSlots) {
    DibSurface dib;
    ASSERT_TRUE(dib.Create(nullptr, 6, 3, 8));
    void* object = static_cast<ISurface*>(&dib);
    EXPECT_EQ(1, Slot<int32_t(MEMBER_CALL*)(void*)>(object, 0)(object));
    EXPECT_EQ(dib.PixelAt(2, 1), Slot<uint8_t*(MEMBER_CALL*)(void*, int32_t, int32_t)>(object, 2)(object, 2, 1));
    EXPECT_EQ(nullptr, Slot<uint8_t*(MEMBER_CALL*)(void*, int32_t, int32_t)>(object, 3)(object, 0, 0));
    EXPECT_EQ(6, Slot<int32_t(MEMBER_CALL*)(void*)>(object, 4)(object));
    EXPECT_EQ(3, Slot<int32_t(MEMBER_CALL*)(void*)>(object, 5)(object));
    EXPECT_EQ(8, Slot<int32_t(MEMBER_CALL*)(void*)>(object, 6)(object));
    EXPECT_EQ(8, Slot<int32_t(MEMBER_CALL*)(void*)>(object, 7)(object));
    EXPECT_EQ(0, Slot<int32_t(MEMBER_CALL*)(void*)>(object, 8)(object));
    EXPECT_TRUE(Slot<bool(MEMBER_CALL*)(void*)>(object, 9)(object));
    EXPECT_FALSE(Slot<bool(MEMBER_CALL*)(void*)>(object, 10)(object));
    const std::vector<uint8_t> colours = Colours(2, 50);
    EXPECT_TRUE(
        Slot<bool(MEMBER_CALL*)(void*, int32_t, int32_t, const uint8_t*)>(object, 11)(object, 3, 2, colours.data()));
    EXPECT_EQ(51, dib.Palette()[4 * 4]);
    using Blit = bool(MEMBER_CALL*)(void*, platform::Window, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t);
    EXPECT_FALSE(Slot<Blit>(object, 12)(object, nullptr, 0, 0, 0, 0, 1, 1));  // no window to draw on
    EXPECT_EQ(0, Slot<int32_t(MEMBER_CALL*)(void*)>(object, 1)(object));
    EXPECT_FALSE(dib.HasPixels());
}

}  // namespace

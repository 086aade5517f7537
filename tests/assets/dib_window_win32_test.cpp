// The real DIB section on a real window: what the blit leaves on the window, read back through
// the window's device context.
#if defined(_WIN32)
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "demo/assets/dib_surface.h"

namespace {

class RealWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "dib", WS_POPUP | WS_VISIBLE, 0, 0, 64, 48, nullptr,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, window);
        Pump();
    }
    void TearDown() override {
        if (window != nullptr) ::DestroyWindow(window);
    }
    static void Pump() {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    }
    COLORREF At(int x, int y) {
        HDC dc = ::GetDC(window);
        const COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(window, dc);
        return colour;
    }

    HWND window = nullptr;
};

TEST_F(RealWindow, EightBitFramesReachTheWindowThroughTheirPalette) {
    DibSurface dib;
    ASSERT_TRUE(dib.Create(window, 8, 8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) *dib.PixelAt(x, y) = static_cast<uint8_t>(x < 4 ? 1 : 2);
    // Entries are blue, green, red, reserved; pure colours survive any display depth.
    std::vector<uint8_t> colours(256 * 4, 0);
    colours[1 * 4 + 2] = 255;  // entry 1 red
    colours[2 * 4 + 0] = 255;  // entry 2 blue
    ASSERT_TRUE(dib.SetPalette(0, 256, colours.data()));
    ASSERT_TRUE(dib.BlitToWindow(window, 10, 20, 0, 0, 8, 8));
    EXPECT_FALSE(dib.PaletteDirty());
    EXPECT_EQ(RGB(255, 0, 0), At(10, 20));
    EXPECT_EQ(RGB(0, 0, 255), At(17, 27));

    // The installed table stays with the bitmap for blits that bring no new palette.
    for (int y = 0; y < 8; ++y) *dib.PixelAt(0, y) = 2;
    ASSERT_TRUE(dib.BlitToWindow(window, 30, 20, 0, 0, 1, 1));
    EXPECT_EQ(RGB(0, 0, 255), At(30, 20));
}

TEST_F(RealWindow, TrueColourPixelsAreCopiedUnchanged) {
    DibSurface dib;
    ASSERT_TRUE(dib.Create(window, 3, 1, 24));
    const uint8_t row[9] = {0, 0, 255, 0, 255, 0, 255, 255, 255};
    std::copy(row, row + 9, dib.PixelAt(0, 0));
    ASSERT_TRUE(dib.BlitToWindow(window, 0, 0, 0, 0, 3, 1));
    EXPECT_EQ(RGB(255, 0, 0), At(0, 0));
    EXPECT_EQ(RGB(0, 255, 0), At(1, 0));
    EXPECT_EQ(RGB(255, 255, 255), At(2, 0));
}

}  // namespace

#endif

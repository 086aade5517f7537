// The real DIB section on a real window: what the blit leaves on the window, read back through
// the window's device context.
#if defined(_WIN32)
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "demo/assets/dib_surface.h"
#include "demo/assets/movie_file.h"

namespace {

class RealWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // The displays the tests run on have 24-bit colour, so colours come back exactly.
        window = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "dib", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr,
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

// The small movie of make_test_movies.py: frame f has index (3x + 5y + 17f) mod 256 at (x, y) and
// palette entry k = (blue k, green k + 40f, red 255 - k).
TEST_F(RealWindow, SmallMovieLandsCentredInTheWindow) {
    MovieFile movie;
    ASSERT_TRUE(movie.OpenFiles(window, "assets_test_data/no_such.moz", "assets_test_data/small.moz"));
    ASSERT_TRUE(movie.DecodeFrame(3));
    ::InvalidateRect(window, nullptr, TRUE);
    Pump();
    ASSERT_TRUE(movie.ShowFrame());
    const auto colour = [](int x, int y) {
        const int k = (3 * x + 5 * y + 17 * 3) & 0xFF;
        return RGB(255 - k, (k + 120) & 0xFF, k);
    };
    EXPECT_EQ(colour(0, 0), At(200, 150));
    EXPECT_EQ(colour(239, 179), At(439, 329));
    EXPECT_EQ(colour(17, 91), At(217, 241));
    EXPECT_NE(colour(0, 0), At(199, 150));
    movie.Close();
}

}  // namespace

#endif

#pragma once

#include <cstdint>

#include "interfaces/surface.h"
#include "platform/dib.h"
#include "platform/window.h"

// The movie's own surface: a top-down DIB section of 8, 16 or 24 bits whose memory frames are
// decompressed into, with a colour table that reaches the bitmap on the next blit.
class DibSurface final : public ISurface {
public:
    static constexpr int32_t kPaletteEntries = 256;

    DibSurface() = default;
    // Owners release the bitmap through Release; this only guards against forgetting it.
    ~DibSurface() { Release(); }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // Does nothing and succeeds while a bitmap exists, whatever is asked for.
    bool Create(platform::Window window, int32_t width, int32_t height, int32_t bitsPerPixel);

    int32_t Identify() override { return 1; }
    // Deletes the bitmap; the object can be created again. Always 0.
    int32_t Release() override;
    uint8_t* PixelAt(int32_t x, int32_t y) override;
    uint8_t* AlphaAt(int32_t, int32_t) override { return nullptr; }
    int32_t Width() override { return width_; }
    int32_t Height() override { return height_; }
    int32_t Depth() override { return bitsPerPixel_; }
    int32_t Pitch() override { return pitch_; }
    int32_t AlphaPitch() override { return 0; }
    bool HasPixels() override { return bitmap_ != nullptr; }
    bool IsHostOwned() override { return false; }

    // Slot 11: takes count colour-table entries (blue, green, red, reserved) into the colours
    // waiting for the next blit, from entry first on. 8-bit surfaces only; entries outside the
    // 256 of the table are ignored.
    virtual bool SetPalette(int32_t first, int32_t count, const uint8_t* colours);
    // Slot 12: copies the w x h rectangle at (sx, sy) to (dx, dy) of the window, installing a
    // palette changed since the previous blit first.
    virtual bool BlitToWindow(platform::Window window, int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w,
                              int32_t h);

    bool PaletteDirty() const { return paletteDirty_; }
    const uint8_t* Palette() const { return palette_; }

private:
    bool created_ = false;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t bitsPerPixel_ = 0;
    int32_t bytesPerPixel_ = 0;
    int32_t pitch_ = 0;
    platform::DibSection bitmap_ = nullptr;
    uint8_t* bits_ = nullptr;
    uint8_t palette_[kPaletteEntries * 4] = {};
    bool paletteDirty_ = false;
};

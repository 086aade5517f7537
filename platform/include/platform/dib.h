#pragma once

#include <cstdint>

#include "platform/window.h"

namespace platform {

// A device-independent bitmap section: pixel memory the caller writes directly, shown on a
// window by a blit. Windows: a real GDI DIB section. Linux: a memory bitmap whose blit converts
// into the window's framebuffer.
using DibSection = void*;

// A top-down bitmap rowPixels wide (a whole number of 4-byte rows) and rows high, of 8 (with a
// 256-entry colour table, all black), 16 (RGB 5-6-5) or 24 bits per pixel, made compatible with
// the window's device. *bits receives the pixel memory. Null on failure.
DibSection CreateDibSection(Window window, int32_t rowPixels, int32_t rows, int32_t bitsPerPixel, uint8_t** bits);
void DeleteDibSection(DibSection section);

// Copies the w x h rectangle at (sx, sy) of the bitmap to (dx, dy) of the window, unblended.
// colourTable, when not null, holds 256 entries (blue, green, red, reserved) that replace an 8-bit
// bitmap's colour table first. False when the window has nothing to draw into.
bool BlitDibSection(DibSection section, const uint8_t* colourTable, Window window, int32_t dx, int32_t dy, int32_t sx,
                    int32_t sy, int32_t w, int32_t h);

}  // namespace platform

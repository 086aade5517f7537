#pragma once

#include <cstdint>

// A bitmap in memory: a 24-bit pixel plane (bytes blue, green, red; top row first) and, for some
// surfaces, an 8-bit alpha plane with the same picture points. The virtual operations stand in a
// fixed slot order that every module and host shares; do not reorder, insert or remove any.
// There is deliberately no virtual destructor: it would take a slot. Owners free a surface only
// through Release.
class ISurface {
public:
    virtual int32_t Identify() = 0;                      // 0: answers 1
    virtual int32_t Release() = 0;                       // 1: frees the surface
    virtual uint8_t* PixelAt(int32_t x, int32_t y) = 0;  // 2: null without pixel memory
    virtual uint8_t* AlphaAt(int32_t x, int32_t y) = 0;  // 3: null without an alpha plane
    virtual int32_t Width() = 0;                         // 4
    virtual int32_t Height() = 0;                        // 5
    virtual int32_t Depth() = 0;                         // 6: bits per pixel
    virtual int32_t Pitch() = 0;                         // 7: bytes per pixel row
    virtual int32_t AlphaPitch() = 0;                    // 8: 0 without an alpha plane
    virtual bool HasPixels() = 0;                        // 9
    virtual bool IsHostOwned() = 0;                      // 10: false for the movie's own surface

protected:
    ~ISurface() = default;
};

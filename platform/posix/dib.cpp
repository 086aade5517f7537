#include "platform/dib.h"

#include <cstring>
#include <new>
#include <vector>

namespace platform {
namespace {

// The stand-in for a DIB section: memory rows and a colour table, converted to the window's
// 24-bit framebuffer only when blitted, as a display driver would.
struct MemoryDib {
    int32_t width = 0;
    int32_t rows = 0;
    int32_t bitsPerPixel = 0;
    int32_t pitch = 0;
    std::vector<uint8_t> bits;
    // The colour table as blue, green and red in the low three bytes of each entry, so that eight
    // pixels pack into three 64-bit words with shifts alone.
    uint64_t colours[256] = {};
};

// The top bits repeat into the low bits, as 5-6-5 pixels widen to 8 bits a channel.
void Widen565(const uint8_t* pixel, uint8_t* out) {
    const uint32_t value = static_cast<uint32_t>(pixel[0]) | static_cast<uint32_t>(pixel[1]) << 8;
    const uint32_t r = value >> 11, g = (value >> 5) & 0x3F, b = value & 0x1F;
    out[0] = static_cast<uint8_t>(b << 3 | b >> 2);
    out[1] = static_cast<uint8_t>(g << 2 | g >> 4);
    out[2] = static_cast<uint8_t>(r << 3 | r >> 2);
}

// Eight pixels a step: three 64-bit stores, none past the row's end.
void ColourRow(const uint64_t* colours, const uint8_t* in, uint8_t* out, int32_t w) {
    int32_t x = 0;
    for (; x + 8 <= w; x += 8, in += 8, out += 24) {
        const uint64_t c0 = colours[in[0]], c1 = colours[in[1]], c2 = colours[in[2]], c3 = colours[in[3]];
        const uint64_t c4 = colours[in[4]], c5 = colours[in[5]], c6 = colours[in[6]], c7 = colours[in[7]];
        const uint64_t w0 = c0 | c1 << 24 | c2 << 48;
        const uint64_t w1 = c2 >> 16 | c3 << 8 | c4 << 32 | c5 << 56;
        const uint64_t w2 = c5 >> 8 | c6 << 16 | c7 << 40;
        std::memcpy(out, &w0, 8);
        std::memcpy(out + 8, &w1, 8);
        std::memcpy(out + 16, &w2, 8);
    }
    for (; x < w; ++x, ++in, out += 3) std::memcpy(out, &colours[*in], 3);
}

// Each colour table entry is blue, green, red and a spare byte, which is never shown.
void InstallColourTable(const uint8_t* table, uint64_t* colours) {
    for (int32_t i = 0; i < 256; ++i) {
        const uint8_t* entry = table + 4 * i;
        colours[i] = entry[0] | static_cast<uint64_t>(entry[1]) << 8 | static_cast<uint64_t>(entry[2]) << 16;
    }
}

// Narrows [start, start + length) to [0, limit), moving the other rectangle's start with it.
void Clip(int32_t limit, int32_t* start, int32_t* otherStart, int32_t* length) {
    if (*start < 0) {
        *length += *start;
        *otherStart -= *start;
        *start = 0;
    }
    if (*length > limit - *start) *length = limit - *start;
}

}  // namespace

DibSection CreateDibSection(Window /*window*/, int32_t rowPixels, int32_t rows, int32_t bitsPerPixel, uint8_t** bits) {
    if (bits == nullptr || rowPixels <= 0 || rows <= 0) return nullptr;
    if (bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24) return nullptr;
    const int64_t pitch = (static_cast<int64_t>(rowPixels) * (bitsPerPixel / 8) + 3) & ~int64_t{3};
    const int64_t bytes = pitch * rows;
    // GDI refuses sections it cannot map; so does the stand-in, well before memory runs out.
    if (bytes > (int64_t{1} << 30)) return nullptr;
    auto* dib = new (std::nothrow) MemoryDib;
    if (dib == nullptr) return nullptr;
    dib->width = rowPixels;
    dib->rows = rows;
    dib->bitsPerPixel = bitsPerPixel;
    dib->pitch = static_cast<int32_t>(pitch);
    dib->bits.assign(static_cast<size_t>(bytes), 0);
    *bits = dib->bits.data();
    return dib;
}

void DeleteDibSection(DibSection section) { delete static_cast<MemoryDib*>(section); }

bool BlitDibSection(DibSection section, const uint8_t* colourTable, Window window, int32_t dx, int32_t dy, int32_t sx,
                    int32_t sy, int32_t w, int32_t h) {
    auto* dib = static_cast<MemoryDib*>(section);
    int fbWidth = 0, fbHeight = 0, fbPitch = 0;
    uint8_t* framebuffer = WindowFramebuffer(window, &fbWidth, &fbHeight, &fbPitch);
    if (dib == nullptr || framebuffer == nullptr) return false;
    if (colourTable != nullptr && dib->bitsPerPixel == 8) InstallColourTable(colourTable, dib->colours);

    Clip(dib->width, &sx, &dx, &w);
    Clip(dib->rows, &sy, &dy, &h);
    Clip(fbWidth, &dx, &sx, &w);
    Clip(fbHeight, &dy, &sy, &h);
    if (w <= 0 || h <= 0) return true;

    // The depth is chosen once a blit, not once a pixel: the movie blits a whole screen a frame.
    const int32_t bytesPerPixel = dib->bitsPerPixel / 8;
    for (int32_t row = 0; row < h; ++row) {
        const uint8_t* in =
            dib->bits.data() + static_cast<size_t>(sy + row) * dib->pitch + static_cast<size_t>(sx) * bytesPerPixel;
        uint8_t* out = framebuffer + static_cast<size_t>(dy + row) * fbPitch + static_cast<size_t>(dx) * 3;
        if (bytesPerPixel == 1) {
            ColourRow(dib->colours, in, out, w);
        } else if (bytesPerPixel == 2) {
            for (int32_t x = 0; x < w; ++x) Widen565(in + 2 * x, out + 3 * x);
        } else {
            std::memcpy(out, in, static_cast<size_t>(w) * 3);
        }
    }
    return true;
}

}  // namespace platform

#pragma once

#include <cstdint>

namespace platform {

// Narrows a rectangle to a plane of width x height pixels; false when nothing is left.
bool ClipRectToPlane(int width, int height, int* x, int* y, int* w, int* h);

// Copies the rectangle (x, y, w, h) of 24-bit pixels between two planes with the same origin,
// row by row; the rectangle must lie inside both.
void CopyBgrRect(uint8_t* to, int toPitch, const uint8_t* from, int fromPitch, int x, int y, int w, int h);

// One row of 24-bit pixels (blue, green, red) into the 32-bit form displays take (blue, green,
// red, zero), the layout a window's screen copy needs. in and out must not overlap; pixels may
// be 0. The fastest form this processor runs.
void WidenBgrRow(const uint8_t* in, uint8_t* out, int pixels);

// The forms behind it, byte-identical, for tests and benchmarks. The SSSE3 one is null where the
// processor or the build has none.
using WidenBgrRowForm = void (*)(const uint8_t* in, uint8_t* out, int pixels);
void WidenBgrRowPlain(const uint8_t* in, uint8_t* out, int pixels);
WidenBgrRowForm WidenBgrRowSsse3();

}  // namespace platform

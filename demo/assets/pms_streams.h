#pragma once

#include <cstddef>
#include <cstdint>

#include "demo/base/plane_view.h"

// The two opcode streams of a PMS picture, each covering every row of its plane, top row first.
// Both read only [stream, stream + size) and write only inside the plane: a run that passes the
// end of a row goes on into the padding and the next row (which that row then overwrites), and
// stops at the end of the plane. They fail when the stream ends before the last row is complete
// or when a copy would take pixels from above the first row.

// 16-bit RGB 5-6-5 colours into a 24-bit plane (blue, green, red).
bool DecodePmsColourStream(const uint8_t* stream, size_t size, const PlaneView& plane);
// 8-bit values into an 8-bit plane (an alpha plane or a mask).
bool DecodePmsByteStream(const uint8_t* stream, size_t size, const PlaneView& plane);

// No opcode of either stream writes more pixels per stream byte than this, so a stream of n bytes
// cannot complete a plane of more than n times as many pixels.
inline constexpr uint64_t kPmsMaxPixelsPerStreamByte = 129;

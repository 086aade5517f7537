#pragma once

#include <cstdint>

#include "pixmill/pixel_job.h"

// The byte rules of the three operations written pixel by pixel, as plainly as possible. Tests
// compare every kernel against these; nothing on a drawing path calls them.
namespace pixmill::reference {

void Copy(const PixelJob& job);
void BlendConst(const uint8_t* const* table, const PixelJob& job, int32_t alpha);
void BlendAlpha(const uint8_t* const* table, const PixelJob& job);

}  // namespace pixmill::reference

#pragma once

#include <cstdint>

#include "tests/support/heap_surfaces.h"

// Surfaces for the decoder tests: every byte starts as a marker and each plane has guard bytes
// after it, so the tests see both where the decoders wrote and that they wrote nowhere else.
inline constexpr uint8_t kGuard = 0xA5;
inline constexpr HeapLayout kGuardedLayout{.rowPadding = 0, .padAlphaRows = true, .guardBytes = 64, .fill = kGuard};

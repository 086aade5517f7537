#pragma once

#include <cstdint>

// Reads one decimal integer from the start of a NUL-terminated text the way a "%d" conversion
// does: white space skipped, an optional sign, at least one digit; the rest is ignored.
// Out-of-range values wrap to 32 bits instead of being undefined. False when no number is there.
bool ScanDecimal(const char* text, int32_t* value);

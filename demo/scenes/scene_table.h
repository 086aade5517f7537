#pragma once

#include <cstdint>

struct DemoContext;

// Runs the scene with this index (0..11) until its window ends (true) or the demo must end
// (false). Indices outside 0..11 do nothing and return true.
bool RunScene(DemoContext& context, int32_t index);

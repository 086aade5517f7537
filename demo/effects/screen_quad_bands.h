#pragma once

#include <cstdint>

#include "demo/effects/effects.h"

// The horizontal slices in which ScreenQuad walks a quadrilateral: between startY and endY the
// quad lies between the left edge (vertex leftFrom to leftTo) and the right edge.
struct QuadBand {
    int32_t leftFrom;
    int32_t leftTo;
    int32_t rightFrom;
    int32_t rightTo;
    float startY;
    float endY;
};

struct QuadBands {
    QuadBand band[3];
    int32_t count = 0;
};

// Screen rows run 0..479; a band limit above the screen starts at 0, one below ends at 479.
float ClampBandY(float y);

// Sorts the vertices by y (a stable exchange sort) and slices the quad into one band (flat top),
// two (the middle vertices at one height) or three.
QuadBands BuildQuadBands(const Vertex destination[4]);

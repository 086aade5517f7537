#include "demo/effects/screen_quad_bands.h"

float ClampBandY(float y) {
    if (y < 0.0f) return 0.0f;
    if (y >= 480.0f) return 479.0f;
    return y;
}

namespace {

QuadBand MakeBand(int32_t leftFrom, int32_t leftTo, int32_t rightFrom, int32_t rightTo, float startY, float endY) {
    return {leftFrom, leftTo, rightFrom, rightTo, ClampBandY(startY), ClampBandY(endY)};
}

}  // namespace

QuadBands BuildQuadBands(const Vertex v[4]) {
    int32_t order[4] = {0, 1, 2, 3};
    for (int32_t p = 0; p < 3; ++p) {
        for (int32_t q = p + 1; q < 4; ++q) {
            if (v[order[p]].y > v[order[q]].y) {
                const int32_t t = order[p];
                order[p] = order[q];
                order[q] = t;
            }
        }
    }
    const int32_t a = order[0];
    const int32_t b = order[1];
    const int32_t c = order[2];
    const int32_t d = order[3];
    const float ya = v[a].y;
    const float yb = v[b].y;
    const float yc = v[c].y;
    const float yd = v[d].y;

    QuadBands bands;
    if (ya == yb) {
        if (v[a].x < v[b].x) {
            const bool cIsLeft = v[c].x < v[d].x;
            const bool cIsRight = v[c].x > v[d].x;
            bands.band[0] = MakeBand(a, cIsLeft ? c : d, b, cIsRight ? c : d, ya, yd);
        } else {
            bands.band[0] = MakeBand(b, c, a, d, ya, yd);
        }
        bands.count = 1;
    } else if (yb == yc) {
        if (v[b].x >= v[c].x) {
            bands.band[0] = MakeBand(a, c, a, b, ya, yb);
            bands.band[1] = MakeBand(c, d, b, d, yb, yd);
        } else {
            bands.band[0] = MakeBand(a, b, a, c, ya, yb);
            bands.band[1] = MakeBand(b, d, c, d, yb, yd);
        }
        bands.count = 2;
    } else {
        if (v[b].x > v[c].x) {
            bands.band[0] = MakeBand(a, c, a, b, ya, yb);
            bands.band[1] = MakeBand(a, c, b, d, yb, yc);
            bands.band[2] = MakeBand(c, d, b, d, yc, yd);
        } else {
            bands.band[0] = MakeBand(a, b, a, c, ya, yb);
            bands.band[1] = MakeBand(b, d, a, c, yb, yc);
            bands.band[2] = MakeBand(b, d, c, d, yc, yd);
        }
        bands.count = 3;
    }
    return bands;
}

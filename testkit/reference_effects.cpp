#include "testkit/reference_effects.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace reference {

uint8_t Multiply(int i, int j) { return static_cast<uint8_t>((2 * i * j + 1) / 510); }
uint8_t Screen(int i, int j) { return static_cast<uint8_t>(255 - Multiply(255 - i, 255 - j)); }

int32_t Fixed16(float v) {
    const float r = std::nearbyint(v);
    return static_cast<int32_t>(r) * 65536 + static_cast<int32_t>((v - r) * 65536.0f);
}

namespace {

void ScanlineRule(uint8_t* d, const uint8_t* s, int32_t row) {
    const int keep = row % 3;
    for (int c = 0; c < 3; ++c) d[c] = c == keep ? static_cast<uint8_t>(d[c] / 2 + s[c] / 2) : 0;
}

void AverageRule(uint8_t* d, const uint8_t* s) {
    for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>(d[c] / 2 + s[c] / 2);
}

void Quad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, const int32_t q[8],
          bool interlace) {
    const int factor = interlace ? 2 : 1;
    const int32_t leftStepX = (q[6] - q[0]) * 4096 / rows * factor;
    const int32_t leftStepY = (q[7] - q[1]) * 4096 / rows * factor;
    const int32_t rightStepX = (q[4] - q[2]) * 4096 / rows * factor;
    const int32_t rightStepY = (q[5] - q[3]) * 4096 / rows * factor;
    int32_t lx = q[0] * 4096, ly = q[1] * 4096, rx = q[2] * 4096, ry = q[3] * 4096;
    const int32_t drawn = interlace ? rows / 2 : rows;
    for (int32_t i = 0; i < drawn; ++i) {
        const int32_t sx = (rx - lx) / w, sy = (ry - ly) / w;
        int32_t x = lx, y = ly;
        for (int32_t j = 0; j < w; ++j) {
            uint8_t* d = dst->PixelAt(dx + j, dy + factor * i);
            const uint8_t* s = src->PixelAt(x >> 12, y >> 12);
            if (interlace) {
                AverageRule(d, s);
            } else {
                ScanlineRule(d, s, i);
            }
            x += sx;
            y += sy;
        }
        lx += leftStepX, ly += leftStepY, rx += rightStepX, ry += rightStepY;
    }
}

int32_t Mod(int32_t a, int32_t m) {
    int32_t r = a % m;
    return r < 0 ? r + m : r;
}

}  // namespace

void ScanlineQuad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, const int32_t q[8]) {
    Quad(dst, dx, dy, w, rows, src, q, false);
}

void InterlaceQuad(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, const int32_t q[8]) {
    Quad(dst, dx, dy, w, rows, src, q, true);
}

void ScanlineTile(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, int32_t sx, int32_t sy,
                  int32_t sw, int32_t sh, int32_t ox, int32_t oy) {
    for (int32_t i = 0; i < rows; ++i) {
        for (int32_t j = 0; j < w; ++j) {
            const uint8_t* s = src->PixelAt(Mod(sx + ox + j, sw), Mod(sy + oy + i, sh));
            ScanlineRule(dst->PixelAt(dx + j, dy + i), s, i);
        }
    }
}

void ScanlineMask(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t rows) {
    for (int32_t i = 0; i < rows; ++i) {
        for (int32_t j = 0; j < w; ++j) {
            uint8_t* d = dst->PixelAt(x + j, y + i);
            for (int c = 0; c < 3; ++c) {
                if (c != i % 3) d[c] = 0;
            }
        }
    }
}

void BoxBlurRows(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t rows,
                 int32_t window, int32_t shift) {
    const int32_t half = window / 2;
    for (int32_t r = 0; r < rows; ++r) {
        for (int32_t k = 0; k < w; ++k) {
            uint32_t sum[3] = {0, 0, 0};
            // The output pixel k sums the window that ends just before k + half.
            for (int32_t j = k - half; j < k + half; ++j) {
                const int32_t at = std::min(std::max(j, 0), w - 1);
                const uint8_t* p = src->PixelAt(sx + at, sy + r);
                for (int c = 0; c < 3; ++c) sum[c] += p[c];
            }
            uint8_t* d = dst->PixelAt(dx + k, dy + r);
            for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>(sum[c] >> shift);
        }
    }
}

void TintMask(ISurface* dst, int32_t dx, int32_t dy, ISurface* mask, int32_t mx, int32_t my, int32_t w, int32_t rows,
              int32_t red, int32_t green, int32_t blue) {
    const int colour[3] = {blue, green, red};
    for (int32_t i = 0; i < rows; ++i) {
        for (int32_t j = 0; j < w; ++j) {
            const int m = *mask->AlphaAt(mx + j, my + i) >> 1;
            if (m == 0) continue;
            uint8_t* d = dst->PixelAt(dx + j, dy + i);
            for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>(Multiply(255 - m, d[c]) + Multiply(colour[c], m));
        }
    }
}

void TintMaskScaled(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* mask, float fx, float fy,
                    float fw, float fh, int32_t red, int32_t green, int32_t blue) {
    const int colour[3] = {blue, green, red};
    const int32_t stepX = Fixed16(fw / static_cast<float>(w));
    const int32_t stepY = Fixed16(fh / static_cast<float>(rows));
    int32_t y = Fixed16(fy);
    for (int32_t i = 0; i < rows; ++i, y += stepY) {
        int32_t x = Fixed16(fx);
        for (int32_t j = 0; j < w; ++j, x += stepX) {
            const int m = *mask->AlphaAt(x >> 16, y >> 16) >> 1;
            uint8_t* d = dst->PixelAt(dx + j, dy + i);
            for (int c = 0; c < 3; ++c) {
                if (m == 127) {
                    d[c] = static_cast<uint8_t>(d[c] / 2 + colour[c] / 2);
                } else if (m != 0) {
                    d[c] = static_cast<uint8_t>(Multiply(255 - m, d[c]) + Multiply(colour[c], m));
                }
            }
        }
    }
}

void Afterimage(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t rows, ISurface* src, float fx, float fy,
                float fw, float fh, int keep, int shift) {
    const int32_t stepX = Fixed16(fw / static_cast<float>(w));
    const int32_t stepY = Fixed16(fh / static_cast<float>(rows));
    int32_t y = Fixed16(fy);
    for (int32_t i = 0; i < rows; ++i, y += stepY) {
        int32_t x = Fixed16(fx);
        for (int32_t j = 0; j < w; ++j, x += stepX) {
            const uint8_t* s = src->PixelAt(x >> 16, y >> 16);
            uint8_t* d = dst->PixelAt(dx + j, dy + i);
            for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>(Multiply(keep, d[c]) + (s[c] >> shift));
        }
    }
}

namespace {

float Clamp(float y) { return y < 0.0f ? 0.0f : (y >= 480.0f ? 479.0f : y); }
int32_t Near(float v) { return static_cast<int32_t>(std::nearbyint(v)); }
float Length(Vertex a, Vertex b) { return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y)); }

void Band(ISurface* dst, const Vertex* p, ISurface* src, const Vertex* s, int lf, int lt, int rf, int rt, float y0,
          float y1) {
    const float lenL = Length(p[lf], p[lt]);
    const float lenR = Length(p[rf], p[rt]);
    for (float y = Clamp(y0); y < Clamp(y1); y += 1.0f) {
        float xL = p[lf].x + (p[lt].x - p[lf].x) * (y - p[lf].y) / (p[lt].y - p[lf].y);
        float xR = p[rf].x + (p[rt].x - p[rf].x) * (y - p[rf].y) / (p[rt].y - p[rf].y);
        if (!(xL < 640.0f && xR >= 0.0f)) continue;
        const float dL = Length(p[lf], Vertex{xL, y});
        const float dR = Length(p[rf], Vertex{xR, y});
        float uL = s[lf].x + (s[lt].x - s[lf].x) * dL / lenL;
        float vL = s[lf].y + (s[lt].y - s[lf].y) * dL / lenL;
        float uR = s[rf].x + (s[rt].x - s[rf].x) * dR / lenR;
        float vR = s[rf].y + (s[rt].y - s[rf].y) * dR / lenR;
        float span = xR - xL;
        if (xL < 0.0f) {
            uL -= xL * (uR - uL) / span;
            vL -= xL * (vR - vL) / span;
            span = xR;
            xL = 0.0f;
        }
        if (xR >= 640.0f) {
            uR = uL + (640.0f - xL) * (uR - uL) / span;
            vR = vL + (640.0f - xL) * (vR - vL) / span;
            span = 640.0f - xL;
        }
        const int32_t n = static_cast<int32_t>(span);
        const float du = (uR - uL) / span, dv = (vR - vL) / span;
        float u = uL, v = vL;
        for (int32_t k = 0; k < n; ++k, u += du, v += dv) {
            uint8_t* d = dst->PixelAt(Near(xL) + k, Near(y));
            // Extrapolated clipping may step a hair outside the source; its edge repeats.
            const int32_t su = std::min(std::max(Near(u), 0), src->Width() - 1);
            const int32_t sv = std::min(std::max(Near(v), 0), src->Height() - 1);
            const uint8_t* t = src->PixelAt(su, sv);
            for (int c = 0; c < 3; ++c) d[c] = Screen(d[c], t[c]);
        }
    }
}

}  // namespace

void ScreenQuad(ISurface* dst, const Vertex destination[4], ISurface* src, const Vertex source[4]) {
    const Vertex* p = destination;
    int o[4] = {0, 1, 2, 3};
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            if (p[o[i]].y > p[o[j]].y) std::swap(o[i], o[j]);
        }
    }
    const int a = o[0], b = o[1], c = o[2], d = o[3];
    if (p[a].y == p[b].y) {
        if (p[a].x < p[b].x) {
            const int leftEnd = p[c].x < p[d].x ? c : d;
            const int rightEnd = p[c].x > p[d].x ? c : d;
            Band(dst, p, src, source, a, leftEnd, b, rightEnd, p[a].y, p[d].y);
        } else {
            Band(dst, p, src, source, b, c, a, d, p[a].y, p[d].y);
        }
    } else if (p[b].y == p[c].y) {
        if (p[b].x >= p[c].x) {
            Band(dst, p, src, source, a, c, a, b, p[a].y, p[b].y);
            Band(dst, p, src, source, c, d, b, d, p[b].y, p[d].y);
        } else {
            Band(dst, p, src, source, a, b, a, c, p[a].y, p[b].y);
            Band(dst, p, src, source, b, d, c, d, p[b].y, p[d].y);
        }
    } else if (p[b].x > p[c].x) {
        Band(dst, p, src, source, a, c, a, b, p[a].y, p[b].y);
        Band(dst, p, src, source, a, c, b, d, p[b].y, p[c].y);
        Band(dst, p, src, source, c, d, b, d, p[c].y, p[d].y);
    } else {
        Band(dst, p, src, source, a, b, a, c, p[a].y, p[b].y);
        Band(dst, p, src, source, b, d, a, c, p[b].y, p[c].y);
        Band(dst, p, src, source, b, d, c, d, p[c].y, p[d].y);
    }
}

}  // namespace reference

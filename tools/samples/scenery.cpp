#include "scenery.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace samples {

void Mountains(Canvas& canvas, float baseY, float amplitude, float featureSize, uint32_t seed, Colour top,
               Colour bottom, Plane* mask) {
    const int32_t h = canvas.Height();
    for (int32_t x = 0; x < canvas.Width(); ++x) {
        const float n = Fbm(x / featureSize, 0.5f, seed, 5);
        const float ridge = baseY - amplitude * (1.0f - std::fabs(2.0f * n - 1.0f));
        const int32_t y0 = std::max(0, static_cast<int32_t>(std::floor(ridge)));
        for (int32_t y = y0; y < h; ++y) {
            const float edge = std::clamp(y + 1.0f - ridge, 0.0f, 1.0f);
            const float depth = std::clamp((y - ridge) / std::max(1.0f, h - ridge), 0.0f, 1.0f);
            canvas.Blend(x, y, Mix(top, bottom, depth), edge);
            if (mask) mask->Max(x, y, edge);
        }
    }
}

void Clouds(Canvas& canvas, int32_t y0, int32_t y1, float featureSize, uint32_t seed, Colour c, float amount) {
    for (int32_t y = std::max(0, y0); y < std::min(canvas.Height(), y1); ++y) {
        const float band = std::sin(3.14159265f * (y - y0) / std::max(1, y1 - y0));
        for (int32_t x = 0; x < canvas.Width(); ++x) {
            const float n = Fbm(x / featureSize, y / (featureSize * 0.35f), seed, 5);
            const float k = std::clamp((n - 0.5f) * 4.0f, 0.0f, 1.0f) * band * amount;
            if (k > 0.0f) canvas.Blend(x, y, c, k);
        }
    }
}

void Water(Canvas& canvas, int32_t horizon, Colour tint, float darkness, uint32_t seed) {
    for (int32_t y = horizon; y < canvas.Height(); ++y) {
        const int32_t mirror = std::max(0, 2 * horizon - y - 1);
        const float depth = static_cast<float>(y - horizon) / std::max(1, canvas.Height() - horizon);
        for (int32_t x = 0; x < canvas.Width(); ++x) {
            const float ripple = ValueNoise(x / 40.0f, y / 2.5f, seed);
            const int32_t sx =
                std::clamp(x + static_cast<int32_t>((ripple - 0.5f) * 12.0f * (0.3f + depth)), 0, canvas.Width() - 1);
            Colour c = Mix(canvas.Get(sx, mirror), tint, 0.35f + 0.4f * depth);
            c = Scale(c, (1.0f - darkness * (0.4f + 0.6f * depth)) * (0.85f + 0.3f * ripple));
            canvas.Set(x, y, c);
        }
    }
}

void Rays(Canvas& canvas, float cx, float cy, int32_t count, Colour c, float strength, float phase) {
    for (int32_t y = 0; y < canvas.Height(); ++y)
        for (int32_t x = 0; x < canvas.Width(); ++x) {
            const float angle = std::atan2(y - cy, x - cx);
            const float d = std::hypot(x - cx, y - cy);
            const float beam = std::pow(0.5f + 0.5f * std::cos(angle * count + phase), 6.0f);
            const float fall = 1.0f / (1.0f + d / 180.0f);
            canvas.AddLight(x, y, Scale(c, beam * fall * strength));
        }
}

void Nebula(Canvas& canvas, uint32_t seed, Colour a, Colour b, float strength, float featureSize) {
    for (int32_t y = 0; y < canvas.Height(); ++y)
        for (int32_t x = 0; x < canvas.Width(); ++x) {
            const float n = Fbm(x / featureSize, y / featureSize, seed, 6);
            const float m = Fbm(x / featureSize + 7.3f, y / featureSize - 2.1f, seed + 17u, 4);
            const float density = std::clamp((n - 0.42f) * 2.6f, 0.0f, 1.0f);
            canvas.AddLight(x, y, Scale(Mix(a, b, m), density * density * strength));
        }
}

void Ring(Canvas& canvas, float cx, float cy, float radius, float thickness, Colour c, Plane* mask) {
    const int32_t reach = static_cast<int32_t>(radius + thickness + 2);
    for (int32_t y = static_cast<int32_t>(cy) - reach; y <= static_cast<int32_t>(cy) + reach; ++y)
        for (int32_t x = static_cast<int32_t>(cx) - reach; x <= static_cast<int32_t>(cx) + reach; ++x) {
            const float d = std::fabs(std::hypot(x - cx, y - cy) - radius);
            const float a = std::clamp(thickness * 0.5f + 0.5f - d, 0.0f, 1.0f);
            if (a <= 0.0f) continue;
            canvas.Blend(x, y, c, a);
            if (mask) mask->Max(x, y, a);
        }
}

void Line(Canvas& canvas, float x0, float y0, float x1, float y1, float width, Colour c, Plane* mask) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float length2 = std::max(dx * dx + dy * dy, 1e-6f);
    const int32_t minX = static_cast<int32_t>(std::min(x0, x1) - width - 1);
    const int32_t maxX = static_cast<int32_t>(std::max(x0, x1) + width + 1);
    const int32_t minY = static_cast<int32_t>(std::min(y0, y1) - width - 1);
    const int32_t maxY = static_cast<int32_t>(std::max(y0, y1) + width + 1);
    for (int32_t y = minY; y <= maxY; ++y)
        for (int32_t x = minX; x <= maxX; ++x) {
            const float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0f, 1.0f);
            const float d = std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
            const float a = std::clamp(width * 0.5f + 0.5f - d, 0.0f, 1.0f);
            if (a <= 0.0f) continue;
            canvas.Blend(x, y, c, a);
            if (mask) mask->Max(x, y, a);
        }
}

Plane LightToAlpha(const Canvas& canvas, float gain) {
    Plane alpha(canvas.Width(), canvas.Height());
    for (int32_t y = 0; y < canvas.Height(); ++y)
        for (int32_t x = 0; x < canvas.Width(); ++x) {
            const Colour c = canvas.Get(x, y);
            alpha.At(x, y) = std::clamp(std::max({c.r, c.g, c.b}) * gain, 0.0f, 1.0f);
        }
    return alpha;
}

}  // namespace samples

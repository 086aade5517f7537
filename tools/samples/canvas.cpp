#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace samples {
namespace {

uint8_t ToByte(float v) { return static_cast<uint8_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); }

}  // namespace

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Colour Scale(Colour c, float k) { return {c.r * k, c.g * k, c.b * k}; }
Colour Add(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

Plane::Plane(int32_t w, int32_t h, float fill) : width(w), height(h), values(static_cast<size_t>(w) * h, fill) {}

void Plane::Max(int32_t x, int32_t y, float v) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    float& slot = At(x, y);
    slot = std::max(slot, v);
}

std::vector<uint8_t> Plane::Bytes() const {
    std::vector<uint8_t> out(values.size());
    std::transform(values.begin(), values.end(), out.begin(), ToByte);
    return out;
}

Canvas::Canvas(int32_t width, int32_t height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Blend(int32_t x, int32_t y, Colour c, float a) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || a <= 0.0f) return;
    Colour& p = pixels_[Index(x, y)];
    p = Mix(p, c, std::min(a, 1.0f));
}

void Canvas::AddLight(int32_t x, int32_t y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Colour& p = pixels_[Index(x, y)];
    p = Add(p, c);
}

void Canvas::VerticalGradient(const std::vector<Colour>& stops) {
    if (stops.empty()) return;
    for (int32_t y = 0; y < height_; ++y) {
        const float t = height_ > 1 ? static_cast<float>(y) / (height_ - 1) * (stops.size() - 1) : 0.0f;
        const size_t i = std::min(static_cast<size_t>(t), stops.size() - 1);
        const Colour c = i + 1 < stops.size() ? Mix(stops[i], stops[i + 1], t - i) : stops[i];
        std::fill(pixels_.begin() + Index(0, y), pixels_.begin() + Index(0, y) + width_, c);
    }
}

void Canvas::Disc(float cx, float cy, float radius, Colour c, float soft, float opacity) {
    const int32_t x0 = static_cast<int32_t>(std::floor(cx - radius - soft));
    const int32_t x1 = static_cast<int32_t>(std::ceil(cx + radius + soft));
    const int32_t y0 = static_cast<int32_t>(std::floor(cy - radius - soft));
    const int32_t y1 = static_cast<int32_t>(std::ceil(cy + radius + soft));
    for (int32_t y = std::max(y0, 0); y <= std::min(y1, height_ - 1); ++y)
        for (int32_t x = std::max(x0, 0); x <= std::min(x1, width_ - 1); ++x) {
            const float d = std::hypot(x - cx, y - cy);
            const float a = std::clamp((radius + soft - d) / (2.0f * soft), 0.0f, 1.0f);
            Blend(x, y, c, a * opacity);
        }
}

void Canvas::Glow(float cx, float cy, float radius, Colour c, float strength) {
    const int32_t reach = static_cast<int32_t>(radius * 3.0f);
    for (int32_t y = std::max(0, static_cast<int32_t>(cy) - reach);
         y < std::min(height_, static_cast<int32_t>(cy) + reach); ++y)
        for (int32_t x = std::max(0, static_cast<int32_t>(cx) - reach);
             x < std::min(width_, static_cast<int32_t>(cx) + reach); ++x) {
            const float d2 = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / (radius * radius);
            const float k = strength / (1.0f + 4.0f * d2) - strength / 37.0f;
            if (k > 0.0f) AddLight(x, y, Scale(c, k));
        }
}

void Canvas::Rect(int32_t x, int32_t y, int32_t w, int32_t h, Colour c, float opacity) {
    for (int32_t j = std::max(y, 0); j < std::min(y + h, height_); ++j)
        for (int32_t i = std::max(x, 0); i < std::min(x + w, width_); ++i) Blend(i, j, c, opacity);
}

void Canvas::Stamp(const Plane& shape, int32_t x, int32_t y, Colour c, float opacity) {
    for (int32_t j = 0; j < shape.height; ++j)
        for (int32_t i = 0; i < shape.width; ++i) Blend(x + i, y + j, c, shape.At(i, j) * opacity);
}

void Canvas::Stars(int32_t count, uint32_t seed, int32_t maxY, float brightness) {
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t h = Hash(static_cast<uint32_t>(i), seed);
        const int32_t x = static_cast<int32_t>(h % static_cast<uint32_t>(width_));
        const int32_t y = static_cast<int32_t>((h >> 12) % static_cast<uint32_t>(std::max(maxY, 1)));
        const float b = brightness * (0.35f + 0.65f * ((h >> 24) & 255) / 255.0f);
        const Colour tint = Mix(Rgb(190, 210, 255), Rgb(255, 240, 210), ((h >> 8) & 15) / 15.0f);
        AddLight(x, y, Scale(tint, b));
        if (b > 0.85f) {
            const Colour halo = Scale(tint, b * 0.35f);
            AddLight(x - 1, y, halo);
            AddLight(x + 1, y, halo);
            AddLight(x, y - 1, halo);
            AddLight(x, y + 1, halo);
        }
    }
}

void Canvas::Vignette(float strength) {
    const float cx = 0.5f * width_, cy = 0.5f * height_;
    const float norm = 1.0f / (cx * cx + cy * cy);
    for (int32_t y = 0; y < height_; ++y)
        for (int32_t x = 0; x < width_; ++x) {
            const float d2 = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) * norm;
            Colour& p = pixels_[Index(x, y)];
            p = Scale(p, 1.0f - strength * d2);
        }
}

tools::ColourPicture Canvas::ToPicture() const {
    tools::ColourPicture picture;
    picture.width = width_;
    picture.height = height_;
    picture.colours.resize(pixels_.size());
    for (size_t i = 0; i < pixels_.size(); ++i)
        picture.colours[i] = tools::PackRgb565(ToByte(pixels_[i].r), ToByte(pixels_[i].g), ToByte(pixels_[i].b));
    return picture;
}

tools::ColourPicture Canvas::ToPicture(const Plane& alpha) const {
    tools::ColourPicture picture = ToPicture();
    picture.alpha = alpha.Bytes();
    return picture;
}

std::vector<uint8_t> Canvas::ToBgr() const {
    std::vector<uint8_t> out(pixels_.size() * 3);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        out[3 * i] = ToByte(pixels_[i].b);
        out[3 * i + 1] = ToByte(pixels_[i].g);
        out[3 * i + 2] = ToByte(pixels_[i].r);
    }
    return out;
}

}  // namespace samples

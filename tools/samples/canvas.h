#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pms_file.h"

namespace samples {

struct Colour {
    float r = 0, g = 0, b = 0;
};

Colour Mix(Colour a, Colour b, float t);
Colour Scale(Colour c, float k);
Colour Add(Colour a, Colour b);
// Colour from 0..255 components, as art is usually written down.
constexpr Colour Rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

// One 8-bit plane under construction (alpha, mask or shape), values 0..1.
struct Plane {
    int32_t width = 0, height = 0;
    std::vector<float> values;

    Plane() = default;
    Plane(int32_t w, int32_t h, float fill = 0.0f);
    float& At(int32_t x, int32_t y) { return values[static_cast<size_t>(y) * width + x]; }
    float At(int32_t x, int32_t y) const { return values[static_cast<size_t>(y) * width + x]; }
    // Keeps the larger value: shapes drawn on top of each other unite.
    void Max(int32_t x, int32_t y, float v);
    std::vector<uint8_t> Bytes() const;
};

// A colour picture under construction, components 0..1 (brighter values clip on output).
class Canvas {
public:
    Canvas(int32_t width, int32_t height, Colour fill = {});

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    Colour Get(int32_t x, int32_t y) const { return pixels_[Index(x, y)]; }
    void Set(int32_t x, int32_t y, Colour c) { pixels_[Index(x, y)] = c; }
    // Lays c over the pixel with coverage a (0..1); out-of-range pixels are ignored.
    void Blend(int32_t x, int32_t y, Colour c, float a);
    void AddLight(int32_t x, int32_t y, Colour c);

    // Top-to-bottom gradient through evenly spaced stops.
    void VerticalGradient(const std::vector<Colour>& stops);
    // A disc with a soft rim of `soft` pixels.
    void Disc(float cx, float cy, float radius, Colour c, float soft = 1.5f, float opacity = 1.0f);
    // Additive light falling off with the square of the distance.
    void Glow(float cx, float cy, float radius, Colour c, float strength = 1.0f);
    // Filled axis-aligned rectangle.
    void Rect(int32_t x, int32_t y, int32_t w, int32_t h, Colour c, float opacity = 1.0f);
    // Paints a shape plane in one colour at (x, y).
    void Stamp(const Plane& shape, int32_t x, int32_t y, Colour c, float opacity = 1.0f);
    // Scatters `count` stars with a fixed seed.
    void Stars(int32_t count, uint32_t seed, int32_t maxY, float brightness = 1.0f);
    // Darkens towards the edges.
    void Vignette(float strength);

    tools::ColourPicture ToPicture() const;
    tools::ColourPicture ToPicture(const Plane& alpha) const;
    std::vector<uint8_t> ToBgr() const;

private:
    size_t Index(int32_t x, int32_t y) const { return static_cast<size_t>(y) * width_ + x; }
    int32_t width_, height_;
    std::vector<Colour> pixels_;
};

}  // namespace samples

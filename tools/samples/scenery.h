#pragma once

#include "canvas.h"

// Building blocks of the procedural pictures: land, sky, water and light, drawn onto a canvas.
namespace samples {

// A ridge line from layered noise; everything below it is painted (and marked in `mask` if given).
// Returns nothing; the ridge at column x lies near baseY - amplitude * noise.
void Mountains(Canvas& canvas, float baseY, float amplitude, float featureSize, uint32_t seed, Colour top,
               Colour bottom, Plane* mask = nullptr);
// Soft clouds: noise above a threshold lightens the sky with colour c, between rows y0 and y1.
void Clouds(Canvas& canvas, int32_t y0, int32_t y1, float featureSize, uint32_t seed, Colour c, float amount);
// Mirror of the rows above `horizon`, darkened and tinted, with rippled horizontal streaks.
void Water(Canvas& canvas, int32_t horizon, Colour tint, float darkness, uint32_t seed);
// Rays fanning out from a point, added as light.
void Rays(Canvas& canvas, float cx, float cy, int32_t count, Colour c, float strength, float phase = 0.0f);
// Coloured nebula: two noise fields mixing two colours, added as light.
void Nebula(Canvas& canvas, uint32_t seed, Colour a, Colour b, float strength, float featureSize);
// A ring outline of the given thickness painted in colour c (and into `mask`).
void Ring(Canvas& canvas, float cx, float cy, float radius, float thickness, Colour c, Plane* mask = nullptr);
// A straight line of the given width.
void Line(Canvas& canvas, float x0, float y0, float x1, float y1, float width, Colour c, Plane* mask = nullptr);
// Copies a canvas' light into an alpha plane: the brightest component, scaled and clipped.
Plane LightToAlpha(const Canvas& canvas, float gain);

}  // namespace samples

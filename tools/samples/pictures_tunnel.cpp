// Scenes 8 and 9: the tunnel texture, the three pulsing pictures, the three-part landscape, the
// shrinking frame and the zoom layers.
#include <algorithm>
#include <cmath>

#include "album.h"
#include "demo/scenes/scene_pictures.h"
#include "noise.h"
#include "scenery.h"

namespace cg = scene_pictures;

namespace samples {
namespace {

// Wraps in both directions (the tunnel reads it modulo 256): periodic noise and a grid.
void TunnelTexture(Album& album) {
    Canvas c(256, 256);
    for (int32_t y = 0; y < 256; ++y)
        for (int32_t x = 0; x < 256; ++x) {
            const float n = Fbm(x / 32.0f, y / 32.0f, 35, 4, 8);
            const bool grid = (x % 32) < 2 || (y % 32) < 2;
            Colour base = Mix(Rgb(10, 20, 80), Rgb(60, 200, 255), n * n * 1.5f);
            if (grid) base = Mix(base, Rgb(255, 255, 255), 0.7f);
            c.Set(x, y, base);
        }
    album.PutPms(cg::tunnel::kTexture, c);
}

void CrescentMoon(Album& album) {
    Canvas c(320, 480);
    c.Glow(140, 230, 70, Rgb(120, 140, 255), 0.8f);
    // The lit part of the disc: inside the moon, outside the shadow disc that bites into it.
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 320; ++x) {
            const float inside = std::clamp(110.5f - std::hypot(x - 160.0f, y - 220.0f), 0.0f, 1.0f);
            const float shadow = std::clamp(100.5f - std::hypot(x - 205.0f, y - 195.0f), 0.0f, 1.0f);
            const float crater = 0.9f + 0.1f * Fbm(x / 18.0f, y / 18.0f, 141, 3);
            c.Blend(x, y, Scale(Rgb(245, 245, 255), crater), inside * (1.0f - shadow));
        }
    album.PutPms(cg::tunnel::kLeft, c, LightToAlpha(c, 1.3f));
}

void Constellation(Album& album) {
    Canvas c(320, 480);
    const float points[][2] = {{60, 80}, {140, 60}, {220, 130}, {180, 240}, {250, 330}, {120, 300}, {80, 420}};
    for (size_t i = 0; i + 1 < std::size(points); ++i)
        Line(c, points[i][0], points[i][1], points[i + 1][0], points[i + 1][1], 2, Rgb(120, 170, 255));
    for (const auto& p : points) {
        c.Glow(p[0], p[1], 8, Rgb(200, 220, 255), 2.0f);
        c.Disc(p[0], p[1], 4, Rgb(255, 255, 255));
    }
    album.PutPms(cg::tunnel::kRight, c, LightToAlpha(c, 1.2f));
}

void Emblem(Album& album) {
    Canvas c(400, 400);
    Plane alpha(400, 400);
    Ring(c, 200, 200, 180, 8, Rgb(255, 210, 120), &alpha);
    Ring(c, 200, 200, 150, 3, Rgb(255, 180, 90), &alpha);
    for (int32_t i = 0; i < 5; ++i) {
        const float a0 = -1.5708f + i * 2.5133f, a1 = a0 + 2.5133f;
        Line(c, 200 + 150 * std::cos(a0), 200 + 150 * std::sin(a0), 200 + 150 * std::cos(a1), 200 + 150 * std::sin(a1),
             5, Rgb(255, 240, 200), &alpha);
    }
    album.PutPms(cg::tunnel::kCentred, c, alpha);
}

// The background part of the three-part build: its shape (land and sun) turns white first.
void LandscapePart(Album& album) {
    Canvas c(640, 480);
    Plane shape(640, 480);
    c.VerticalGradient({Rgb(30, 20, 70), Rgb(200, 90, 90), Rgb(255, 190, 110)});
    c.Disc(320, 300, 80, Rgb(255, 230, 160), 2.0f);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x)
            if (std::hypot(x - 320.0f, y - 300.0f) < 81)
                shape.Max(x, y, std::clamp(81 - std::hypot(x - 320.0f, y - 300.0f), 0.0f, 1.0f));
    Mountains(c, 380, 120, 160.0f, 461, Rgb(70, 40, 80), Rgb(30, 20, 40), &shape);
    Mountains(c, 420, 60, 80.0f, 462, Rgb(30, 20, 45), Rgb(15, 10, 25), &shape);
    album.PutPms(cg::collage::kBackground, c, shape);
}

// A ruined tower on the left.
void TowerPart(Album& album) {
    Canvas c(260, 480);
    Plane shape(260, 480);
    for (int32_t y = 120; y < 480; ++y) {
        const int32_t half = 30 + (y - 120) / 12;
        for (int32_t x = 100 - half; x < 100 + half; ++x) {
            const float light = 0.4f + 0.6f * (x - (100 - half)) / (2.0f * half);
            c.Blend(x, y, Scale(Rgb(120, 90, 140), light), 1.0f);
            shape.Max(x, y, 1.0f);
        }
    }
    for (int32_t y = 140; y < 470; y += 40) c.Rect(92, y, 16, 22, Rgb(255, 210, 120));
    for (int32_t x = 62; x < 138; x += 16) {
        c.Rect(x, 100, 10, 20, Rgb(120, 90, 140));
        for (int32_t y = 100; y < 120; ++y)
            for (int32_t i = 0; i < 10; ++i) shape.Max(x + i, y, 1.0f);
    }
    album.PutPms(cg::collage::kLeft, c, shape);
}

// One six-sided crystal from a base point to its tip: three facets, lit from the left, with a
// bright ridge; its shape goes into `shape`.
void Crystal(Canvas& c, Plane& shape, float baseX, float baseY, float tipX, float tipY, float halfWidth, Colour tint) {
    const float ax = tipX - baseX, ay = tipY - baseY;
    const float length = std::hypot(ax, ay);
    const float ux = ax / length, uy = ay / length;
    const int32_t x0 = static_cast<int32_t>(std::min(baseX, tipX) - halfWidth - 2);
    const int32_t x1 = static_cast<int32_t>(std::max(baseX, tipX) + halfWidth + 2);
    const int32_t y0 = static_cast<int32_t>(std::min(baseY, tipY) - halfWidth - 2);
    const int32_t y1 = static_cast<int32_t>(std::max(baseY, tipY) + halfWidth + 2);
    for (int32_t y = std::max(y0, 0); y <= std::min(y1, c.Height() - 1); ++y)
        for (int32_t x = std::max(x0, 0); x <= std::min(x1, c.Width() - 1); ++x) {
            const float t = ((x - baseX) * ux + (y - baseY) * uy) / length;
            if (t < 0.0f || t > 1.0f) continue;
            const float across = (x - baseX) * -uy + (y - baseY) * ux;
            const float width = halfWidth * (t < 0.78f ? 1.0f : (1.0f - t) / 0.22f);
            const float cover = std::clamp(width - std::fabs(across) + 0.5f, 0.0f, 1.0f);
            if (cover <= 0.0f) continue;
            const float u = across / std::max(width, 0.5f);
            const float facet = u < -0.33f ? 1.0f : (u < 0.33f ? 0.7f : 0.4f);
            const float ridge = std::exp(-std::fabs(std::fabs(u) - 0.33f) * 14.0f) * 0.5f;
            Colour colour = Scale(Mix(tint, Rgb(255, 255, 255), 0.25f + 0.5f * t), facet);
            colour = Add(colour, Scale(Rgb(255, 255, 255), ridge));
            c.Blend(x, y, colour, cover);
            shape.Max(x, y, cover);
        }
}

// A crystal cluster on the right.
void CrystalPart(Album& album) {
    Canvas c(280, 480);
    Plane shape(280, 480);
    const struct {
        float baseX, tipX, tipY, halfWidth;
        Colour tint;
    } crystals[] = {{60, 20, 260, 18, Rgb(120, 90, 255)},    {210, 250, 230, 20, Rgb(90, 200, 255)},
                    {150, 185, 90, 30, Rgb(80, 170, 255)},   {100, 95, 150, 26, Rgb(150, 110, 255)},
                    {180, 200, 300, 16, Rgb(110, 230, 255)}, {130, 150, 330, 22, Rgb(170, 130, 255)}};
    for (const auto& k : crystals) Crystal(c, shape, k.baseX, 480, k.tipX, k.tipY, k.halfWidth, k.tint);
    for (int32_t i = 0; i < 40; ++i) {  // sparkles on the facets
        const uint32_t h = Hash(static_cast<uint32_t>(i), 480);
        const int32_t x = static_cast<int32_t>(h % 280), y = 120 + static_cast<int32_t>((h >> 9) % 360);
        if (shape.At(x, y) > 0.5f) c.Glow(x, y, 2.5f, Rgb(255, 255, 255), 1.5f);
    }
    album.PutPms(cg::collage::kRight, c, shape);
}

// A frame mask that shrinks over the zoom: a thick border with corner flourishes.
void FrameMask(Album& album) {
    Plane mask(640, 480);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) {
            const int32_t edge = std::min({x, y, 639 - x, 479 - y});
            // A solid rim, then a dotted line inside it.
            if (edge < 18) mask.At(x, y) = edge < 12 ? 1.0f : (((x + y) & 1) != 0 ? 1.0f : 0.0f);
            const float corner = std::min(
                {std::hypot(x, y), std::hypot(639 - x, y), std::hypot(x, 479 - y), std::hypot(639 - x, 479 - y)});
            if (corner < 60)
                mask.Max(x, y, 1.0f);
            else if (corner < 64)
                mask.Max(x, y, 0.6f);
        }
    album.PutMask(cg::collage::kShrinkingFrame, mask);
}

void Starfield(Album& album) {
    Canvas c(640, 480, Rgb(2, 2, 10));
    Nebula(c, 541, Rgb(200, 60, 120), Rgb(60, 80, 230), 0.9f, 140.0f);
    c.Stars(1200, 54, 480, 1.0f);
    album.PutBmp(cg::collage::kZoomBack, c);
}

void Vortex(Album& album) {
    Canvas c(640, 480);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) {
            const float dx = x - 320.0f, dy = y - 240.0f;
            const float r = std::hypot(dx, dy) + 1.0f;
            const float swirl = 0.5f + 0.5f * std::sin(std::atan2(dy, dx) * 4.0f + 30.0f / std::sqrt(r) * 6.0f);
            c.Set(x, y, Scale(Mix(Rgb(255, 120, 40), Rgb(40, 160, 255), swirl), std::min(1.0f, 40.0f / std::sqrt(r))));
        }
    album.PutPms(cg::collage::kZoomFront, c);
}

void BrightNebula(Album& album) {
    Canvas c(640, 480, Rgb(4, 2, 16));
    Nebula(c, 511, Rgb(255, 120, 80), Rgb(120, 60, 255), 1.3f, 160.0f);
    c.Stars(600, 51, 480, 1.0f);
    c.Glow(420, 200, 40, Rgb(255, 240, 220), 1.5f);
    album.PutPms(cg::collage::kOpening, c);
}

}  // namespace

void AddTunnelPictures(Album& album) {
    TunnelTexture(album);
    CrescentMoon(album);
    Constellation(album);
    Emblem(album);
    LandscapePart(album);
    TowerPart(album);
    CrystalPart(album);
    FrameMask(album);
    Starfield(album);
    Vortex(album);
    BrightNebula(album);
}

}  // namespace samples

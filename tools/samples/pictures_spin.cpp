// Scenes 6 and 7: the strip's frame and pattern, the ringed planet, the tile columns, the two
// spinning emblems, the light rays, the sunrise reveal and the red chapter title.
#include <algorithm>
#include <cmath>

#include "album.h"
#include "demo/scenes/scene_pictures.h"
#include "noise.h"
#include "scenery.h"
#include "text.h"

namespace cg = scene_pictures;

namespace samples {
namespace {

// Frames the patterned strip at the left (213 pixels wide): a glowing edge and corner marks.
void StripFrame(Album& album) {
    Canvas c(640, 480);
    Plane alpha(640, 480);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 200; x < 240; ++x) {
            const float k = std::exp(-std::fabs(x - 213.0f) / 4.0f);
            c.Set(x, y, Mix(Rgb(120, 200, 255), Rgb(255, 255, 255), k));
            alpha.At(x, y) = k;
        }
    for (int32_t i = 0; i < 4; ++i) {
        const float cy = 60.0f + i * 120.0f;
        Ring(c, 213, cy, 10, 3, Rgb(255, 255, 255), &alpha);
    }
    album.PutPms(cg::spin::kStripOverlay, c, alpha);
}

// A small two-colour diamond pattern: rows alternate two colours, so patterns and copies pay.
void PatternTile(Album& album) {
    Canvas c(32, 32);
    for (int32_t y = 0; y < 32; ++y)
        for (int32_t x = 0; x < 32; ++x) {
            const int32_t d = std::abs(x - 16) + std::abs(y - 16);
            const bool dark = ((x + y) & 1) != 0;
            const Colour base = d < 10 ? Rgb(255, 180, 60) : (d < 14 ? Rgb(60, 40, 120) : Rgb(30, 120, 200));
            c.Set(x, y, dark ? Scale(base, 0.6f) : base);
        }
    album.PutPms(cg::spin::kStripPattern, c);
}

void RingedPlanet(Album& album) {
    Canvas c(240, 360, Rgb(4, 4, 18));
    c.Stars(160, 28, 360, 0.9f);
    const float cx = 120, cy = 180, r = 70;
    for (int32_t y = 0; y < 360; ++y)
        for (int32_t x = 0; x < 240; ++x) {
            const float d = std::hypot(x - cx, y - cy);
            if (d > r + 1) continue;
            const float band = Fbm(x / 60.0f, y / 8.0f, 281, 4);
            const float light = std::clamp(
                1.0f - ((x - cx + 40) * (x - cx + 40) + (y - cy + 40) * (y - cy + 40)) / (2.2f * r * r), 0.1f, 1.0f);
            c.Blend(x, y, Scale(Mix(Rgb(220, 160, 90), Rgb(150, 80, 60), band), light), r + 1 - d);
        }
    for (int32_t i = 0; i < 3; ++i) {
        const float rx = 105.0f + i * 10.0f;
        for (float t = 0; t < 6.2832f; t += 0.002f) {
            const float x = cx + rx * std::cos(t), y = cy + rx * 0.28f * std::sin(t);
            if (std::sin(t) < 0 && std::hypot(x - cx, y - cy) < r) continue;  // behind the planet
            c.Blend(static_cast<int32_t>(x), static_cast<int32_t>(y), Rgb(230, 210, 170), 0.7f - i * 0.15f);
        }
    }
    album.PutPms(cg::spin::kRight, c);
}

// A column of hexagonal cells, tiled vertically; under 480 rows.
void CellColumn(Album& album) {
    Canvas c(284, 96, Rgb(6, 10, 30));
    for (int32_t row = 0; row < 2; ++row)
        for (int32_t col = 0; col < 6; ++col) {
            const float cx = 24.0f + col * 48.0f + (row ? 24.0f : 0.0f), cy = 24.0f + row * 48.0f;
            for (int32_t y = static_cast<int32_t>(cy) - 22; y < cy + 22; ++y)
                for (int32_t x = static_cast<int32_t>(cx) - 22; x < cx + 22; ++x) {
                    const float dx = std::fabs(x - cx), dy = std::fabs(y - cy);
                    const float hex = std::max(dx * 0.866f + dy * 0.5f, dy);
                    if (hex < 19.0f)
                        c.Blend(x, y, Mix(Rgb(30, 90, 160), Rgb(120, 220, 255), 1.0f - hex / 19.0f), 1);
                    else if (hex < 21.0f)
                        c.Blend(x, y, Rgb(200, 240, 255), 1);
                }
        }
    album.PutPms(cg::spin::kColumnTile, c);
}

// Bright on black: drawn through a screen blend, so black is see-through.
void MagicCircle(Album& album) {
    Canvas c(128, 128);
    Ring(c, 63.5f, 63.5f, 58, 3, Rgb(255, 220, 120));
    Ring(c, 63.5f, 63.5f, 46, 2, Rgb(255, 180, 80));
    for (int32_t i = 0; i < 6; ++i) {
        const float a0 = i * 1.0472f, a1 = a0 + 2.0944f;
        Line(c, 63.5f + 46 * std::cos(a0), 63.5f + 46 * std::sin(a0), 63.5f + 46 * std::cos(a1),
             63.5f + 46 * std::sin(a1), 2, Rgb(255, 200, 100));
    }
    c.Glow(63.5f, 63.5f, 10, Rgb(255, 160, 60), 1.2f);
    album.PutPms(cg::spin::kSpunLower, c);
}

void StarBurst(Album& album) {
    Canvas c(256, 192);
    Rays(c, 128, 96, 8, Rgb(120, 180, 255), 1.4f);
    c.Glow(128, 96, 20, Rgb(220, 240, 255), 2.0f);
    for (int32_t y = 0; y < 192; ++y)
        for (int32_t x = 0; x < 256; ++x) {
            const float fade = std::clamp(1.0f - std::hypot((x - 128) / 128.0f, (y - 96) / 96.0f), 0.0f, 1.0f);
            c.Set(x, y, Scale(c.Get(x, y), fade));
        }
    album.PutPms(cg::spin::kSpunUpper, c);
}

// Light falling in from the top left over the whole screen.
void LightRays(Album& album) {
    Canvas c(640, 480);
    Rays(c, -60, -80, 18, Rgb(255, 230, 180), 0.9f, 0.7f);
    album.PutPms(cg::spin::kScreenOverlay, c, LightToAlpha(c, 0.6f));
}

void ChainColumn(Album& album) {
    Canvas c(96, 128, Rgb(20, 12, 8));
    Ring(c, 48, 32, 22, 6, Rgb(220, 170, 80));
    Ring(c, 48, 96, 22, 6, Rgb(180, 130, 60));
    c.Rect(44, 0, 8, 128, Rgb(240, 200, 110), 0.5f);
    album.PutPms(cg::reveal::kColumnTile, c);
}

// A city skyline as a shape along the bottom edge.
void SkylineShape(Album& album) {
    Plane shape(640, 80);
    for (int32_t x = 0; x < 640; ++x) {
        const uint32_t h = Hash(static_cast<uint32_t>(x / 26), 27);
        const int32_t top = 20 + static_cast<int32_t>(h % 50);
        for (int32_t y = top; y < 80; ++y) shape.At(x, y) = 1.0f;
    }
    album.PutMask(cg::reveal::kBottomShape, shape);
}

void SunriseSea(Album& album) {
    Canvas c(640, 480);
    c.VerticalGradient({Rgb(40, 80, 160), Rgb(120, 150, 210), Rgb(255, 190, 150), Rgb(255, 230, 180)});
    Clouds(c, 40, 260, 120.0f, 471, Rgb(255, 240, 230), 0.8f);
    c.Glow(430, 262, 60, Rgb(255, 220, 150), 1.5f);
    c.Disc(430, 262, 28, Rgb(255, 250, 230), 2.0f);
    Mountains(c, 312, 45, 70.0f, 472, Rgb(60, 50, 80), Rgb(40, 30, 60));
    // A castle on the ridge: keep, two towers with battlements, lit windows.
    const Colour stone = Rgb(40, 30, 60);
    c.Rect(168, 250, 44, 62, stone);
    for (const int32_t tower : {150, 212}) {
        c.Rect(tower, 222, 16, 90, stone);
        for (int32_t b = 0; b < 16; b += 6) c.Rect(tower + b, 216, 4, 6, stone);
        c.Rect(tower + 6, 236, 4, 6, Rgb(255, 210, 120));
    }
    for (int32_t b = 168; b < 212; b += 8) c.Rect(b, 244, 5, 6, stone);
    for (int32_t w = 176; w < 206; w += 10) c.Rect(w, 266, 4, 7, Rgb(255, 210, 120));
    Water(c, 312, Rgb(60, 90, 160), 0.3f, 473);
    album.PutPms(cg::reveal::kRevealed, c);
}

// A curtain of light along the right edge: soft vertical beams, strongest at the edge.
void LightCurtain(Album& album) {
    Canvas c(200, 480);
    Plane alpha(200, 480);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 200; ++x) {
            const float beams = Fbm(x / 14.0f, y / 400.0f, 301, 3);
            const float edge = std::pow(x / 199.0f, 1.6f);
            const float shimmer = 0.75f + 0.25f * std::sin(y * 0.05f + x * 0.02f);
            c.Set(x, y, Mix(Rgb(150, 110, 255), Rgb(255, 240, 255), beams * edge));
            alpha.At(x, y) = std::clamp(edge * (0.35f + 0.9f * beams) * shimmer, 0.0f, 1.0f);
        }
    album.PutPms(cg::reveal::kEdgeOverlay, c, alpha);
}

}  // namespace

void AddSpinPictures(Album& album) {
    StripFrame(album);
    PatternTile(album);
    RingedPlanet(album);
    CellColumn(album);
    MagicCircle(album);
    StarBurst(album);
    LightRays(album);
    ChainColumn(album);
    SkylineShape(album);
    SunriseSea(album);
    LightCurtain(album);
    album.PutMask(cg::spin::kCaptions[0], RenderText(kJapaneseFont, "時を越えて", 52));
    album.PutMask(cg::spin::kCaptions[1], RenderText(kJapaneseFont, "君に会いに行く", 52));
    album.PutMask(cg::reveal::kTitle, RenderText(kJapaneseFont, "第一章　旅立ち", 56));
}

}  // namespace samples

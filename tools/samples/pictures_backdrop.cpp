// Scenes 3 and 4: the tall tower backdrop, the striped overlay tile, light leaks, captions, the
// red title with its red wash, the zoomed rose and the crystal pillar.
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

// Panned from bottom to top: taller than the screen.
void TowerBackdrop(Album& album) {
    Canvas c(640, 800);
    // Bright throughout: the scanline overlay keeps one channel a row at half strength.
    c.VerticalGradient(
        {Rgb(40, 30, 110), Rgb(70, 80, 190), Rgb(110, 150, 240), Rgb(190, 200, 250), Rgb(255, 236, 246)});
    c.Stars(700, 20, 420, 1.0f);
    Nebula(c, 201, Rgb(200, 90, 255), Rgb(60, 220, 255), 0.8f, 120.0f);
    // The tower: a tapering shaft with lit bands and a beacon on top.
    for (int32_t y = 90; y < 800; ++y) {
        const float half = 14.0f + (y - 90) * 0.05f;
        for (int32_t x = static_cast<int32_t>(320 - half); x <= static_cast<int32_t>(320 + half); ++x) {
            const float side = (x - 320) / half;
            const Colour stone = Mix(Rgb(150, 160, 220), Rgb(50, 50, 110), 0.5f + 0.5f * side);
            c.Set(x, y, ((y / 24) % 4 == 0) ? Mix(stone, Rgb(200, 250, 255), 0.7f) : stone);
        }
    }
    c.Glow(320, 86, 30, Rgb(140, 220, 255), 2.0f);
    Clouds(c, 560, 800, 130.0f, 202, Rgb(250, 246, 255), 1.0f);
    album.PutPms(cg::backdrop::kBackdrop, c);
}

// Repeated over the screen and shifted down each frame: diagonal bands of colour, one pixel of
// shift a row, so the tile repeats seamlessly.
void StripeTile(Album& album) {
    constexpr int32_t kSize = 48;
    const Colour bands[] = {Rgb(255, 90, 120), Rgb(255, 190, 80),  Rgb(120, 220, 140),
                            Rgb(80, 150, 255), Rgb(180, 100, 255), Rgb(255, 120, 200)};
    Canvas c(kSize, kSize);
    for (int32_t y = 0; y < kSize; ++y)
        for (int32_t x = 0; x < kSize; ++x) {
            const int32_t k = (x + y) % kSize;
            const Colour band = bands[k / 8];
            // Muted, so that the backdrop under the scanlines still reads.
            c.Set(x, y, Scale(band, 0.4f + 0.25f * HashUnit(k, 0, 13)));
        }
    album.PutPms(cg::backdrop::kStripeTile, c);
}

// Warm light leaking in at two corners, with a dark rim; transparent in the middle.
void LightLeaks(Album& album) {
    Canvas c(640, 480);
    Plane alpha(640, 480);
    c.Glow(0, 0, 140, Rgb(255, 170, 90), 1.5f);
    c.Glow(640, 480, 160, Rgb(255, 110, 160), 1.3f);
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) {
            const Colour light = c.Get(x, y);
            const float glow = std::max({light.r, light.g, light.b});
            const float edge = std::max(std::fabs(x - 319.5f) / 320.0f, std::fabs(y - 239.5f) / 240.0f);
            const float rim = std::clamp((edge - 0.88f) * 6.0f, 0.0f, 0.8f);
            alpha.At(x, y) = std::clamp(std::max(glow * 0.7f, rim), 0.0f, 1.0f);
            if (rim > glow * 0.7f) c.Set(x, y, Rgb(8, 4, 20));
        }
    album.PutPms(cg::backdrop::kOverlay, c, alpha);
}

// The bottom bar's strip: gold lettering on black, opaque (a 24-bit bitmap).
void BottomStrip(Album& album) {
    const Plane text = RenderText(kSerifFont, "- A  PRELUDE  TO  THE  LONG  JOURNEY -", 22, 6, 0.5f);
    Canvas c(text.width, text.height);
    for (int32_t y = 0; y < text.height; ++y)
        for (int32_t x = 0; x < text.width; ++x) {
            const Colour gold = Mix(Rgb(255, 236, 170), Rgb(200, 130, 40), static_cast<float>(y) / text.height);
            c.Set(x, y, Scale(gold, text.At(x, y)));
        }
    album.PutBmp(cg::backdrop::kStrip, c);
}

// The red wash goes through this picture's shape: a burst of rays around a bright core.
void WashBurst(Album& album) {
    Canvas c(640, 480);
    Rays(c, 320, 240, 12, Rgb(255, 80, 60), 1.6f);
    c.Glow(320, 240, 70, Rgb(255, 200, 160), 1.5f);
    album.PutPms(cg::zoom_title::kWashShape, c, LightToAlpha(c, 1.2f));
}

// Zoomed three times and turned: rich detail around the centre.
void Rose(Album& album) {
    Canvas c(640, 480);
    c.VerticalGradient({Rgb(30, 6, 30), Rgb(70, 10, 50), Rgb(20, 4, 24)});
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) {
            const float dx = x - 320.0f, dy = y - 240.0f;
            const float r = std::hypot(dx, dy);
            const float a = std::atan2(dy, dx);
            const float petals = std::fabs(std::cos(3.0f * a + r * 0.035f));
            const float edge = 40.0f + 170.0f * petals;
            if (r > edge) continue;
            const float shade = 0.35f + 0.65f * (1.0f - r / edge) * (0.6f + 0.4f * std::cos(r * 0.25f));
            const Colour petal = Mix(Rgb(120, 10, 60), Rgb(255, 120, 170), shade);
            c.Blend(x, y, petal, std::clamp(edge - r, 0.0f, 1.0f));
        }
    c.Glow(320, 240, 18, Rgb(255, 230, 160), 2.0f);
    for (int32_t i = 0; i < 24; ++i) {
        const float a = i * 0.2618f;
        c.Disc(320 + 26 * std::cos(a), 240 + 26 * std::sin(a), 3, Rgb(255, 240, 150));
    }
    c.Vignette(0.5f);
    album.PutPms(cg::zoom_title::kZoomed, c);
}

// A crystal pillar: tinted through its middle band, then slid to the right edge.
void CrystalPillar(Album& album) {
    Canvas c(240, 480);
    Plane alpha(240, 480);
    for (int32_t y = 0; y < 480; ++y) {
        const float taper = y < 60 ? y / 60.0f : (y > 420 ? (480 - y) / 60.0f : 1.0f);
        const float half = 70.0f * taper;
        for (int32_t x = 0; x < 240; ++x) {
            const float u = (x - 119.5f) / std::max(half, 0.5f);
            if (std::fabs(u) > 1.0f) continue;
            const float facet = u < -0.3f ? 0.55f : (u < 0.3f ? 1.0f : 0.75f);
            const float sparkle = HashUnit(x / 3, y / 3, 7) > 0.97f ? 0.4f : 0.0f;
            c.Set(x, y,
                  Add(Scale(Mix(Rgb(80, 200, 255), Rgb(190, 120, 255), y / 480.0f), facet),
                      Scale(Rgb(255, 255, 255), sparkle)));
            alpha.At(x, y) = std::clamp((1.0f - std::fabs(u)) * half, 0.0f, 1.0f) * 0.92f;
        }
    }
    album.PutPms(cg::zoom_title::kSide, c, alpha);
}

}  // namespace

void AddBackdropPictures(Album& album) {
    TowerBackdrop(album);
    StripeTile(album);
    LightLeaks(album);
    BottomStrip(album);
    WashBurst(album);
    Rose(album);
    CrystalPillar(album);
    album.PutMask(cg::backdrop::kCaptions[0], RenderText(kJapaneseFont, "星が降る夜に", 40));
    album.PutMask(cg::backdrop::kCaptions[1], RenderText(kJapaneseFont, "少女は空を見上げた", 40));
    album.PutMask(cg::backdrop::kCaptions[2], RenderText(kJapaneseFont, "約束の場所へ", 40));
    album.PutMask(cg::zoom_title::kTitle, RenderText(kSerifFont, "PRELUDE", 80, 6, 5.0f));
    album.PutMask(cg::zoom_title::kCaptions[0], RenderText(kJapaneseFont, "運命の歯車が", 48));
    album.PutMask(cg::zoom_title::kCaptions[1], RenderText(kJapaneseFont, "静かに回り始める", 48));
    Canvas unused(64, 64);
    unused.VerticalGradient({Rgb(40, 40, 40), Rgb(200, 200, 200)});
    album.PutBmp(cg::zoom_title::kUnused, unused);
}

}  // namespace samples

// Scenes 0 to 2 and 5: the dawn landscape, the night city, the turning galaxy and dark captions.
#include <cmath>

#include "album.h"
#include "demo/scenes/scene_pictures.h"
#include "noise.h"
#include "scenery.h"
#include "text.h"

namespace cg = scene_pictures;

namespace samples {
namespace {

// Larger than the screen: the scenes show (128, 128)-(768, 608) and ripple 15 pixels beyond it.
void DawnLandscape(Album& album) {
    Canvas c(896, 736);
    c.VerticalGradient({Rgb(12, 10, 48), Rgb(58, 30, 96), Rgb(170, 70, 96), Rgb(250, 150, 80), Rgb(255, 214, 140)});
    c.Stars(500, 12, 260, 0.8f);
    Clouds(c, 150, 420, 150.0f, 121, Rgb(255, 170, 150), 0.7f);
    c.Glow(448, 360, 60, Rgb(255, 200, 120), 1.4f);
    c.Disc(448, 360, 34, Rgb(255, 246, 220), 2.0f);
    Mountains(c, 500, 130, 260.0f, 7, Rgb(96, 60, 110), Rgb(70, 50, 96));
    Mountains(c, 520, 110, 150.0f, 8, Rgb(52, 34, 74), Rgb(40, 28, 62));
    Mountains(c, 545, 70, 90.0f, 9, Rgb(24, 16, 40), Rgb(20, 14, 34));
    Water(c, 545, Rgb(40, 40, 90), 0.45f, 33);
    c.Vignette(0.35f);
    album.PutPms(cg::kOpening, c);
}

// The picture both scene 2 (coming into focus) and scene 5 (zoom, fade, wipe) end on.
void NightCity(Album& album) {
    Canvas c(640, 480);
    c.VerticalGradient({Rgb(6, 8, 30), Rgb(20, 24, 70), Rgb(70, 40, 100), Rgb(150, 70, 110)});
    c.Stars(420, 33, 300, 0.9f);
    c.Glow(500, 110, 50, Rgb(160, 180, 255), 1.2f);
    c.Disc(500, 110, 38, Rgb(236, 238, 255), 1.5f);
    c.Disc(486, 100, 8, Rgb(200, 204, 230), 3.0f);
    c.Disc(512, 124, 5, Rgb(205, 208, 232), 2.0f);
    Clouds(c, 160, 320, 110.0f, 331, Rgb(120, 80, 140), 0.5f);
    for (int32_t i = 0; i < 22; ++i) {
        const uint32_t h = Hash(static_cast<uint32_t>(i), 3300);
        const int32_t w = 22 + static_cast<int32_t>(h % 40);
        const int32_t x = i * 30 - 10 + static_cast<int32_t>((h >> 8) % 12);
        const int32_t top = 250 + static_cast<int32_t>((h >> 16) % 150);
        const Colour body = Mix(Rgb(18, 16, 40), Rgb(36, 30, 66), ((h >> 4) & 15) / 15.0f);
        c.Rect(x, top, w, 480 - top, body);
        // Lit windows on a regular grid: every other column, every third row.
        for (int32_t wy = top + 6; wy < 470; wy += 9)
            for (int32_t wx = x + 4; wx < x + w - 4; wx += 6)
                if (Hash(static_cast<uint32_t>(wx * 131 + wy), h) % 3 != 0)
                    c.Rect(wx, wy, 3, 4, Rgb(255, 214, 130), 0.85f);
    }
    c.Rect(0, 462, 640, 18, Rgb(10, 8, 24));
    c.Vignette(0.3f);
    album.PutPms(cg::exposure::kClosing, c);
}

// Turned about its centre by scene 2: must cover a radius of 238 pixels at any angle.
void Galaxy(Album& album) {
    Canvas c(512, 512, Rgb(4, 4, 16));
    c.Stars(900, 36, 512, 0.9f);
    for (int32_t y = 0; y < 512; ++y)
        for (int32_t x = 0; x < 512; ++x) {
            const float dx = x - 255.5f, dy = y - 255.5f;
            const float r = std::hypot(dx, dy) / 256.0f;
            const float a = std::atan2(dy, dx);
            const float arm = 0.5f + 0.5f * std::cos(2.0f * a - 9.0f * std::log(r + 0.05f));
            const float n = Fbm(x / 40.0f, y / 40.0f, 361, 5);
            const float density = std::pow(arm, 3.0f) * std::exp(-3.0f * r) * (0.5f + n);
            const Colour tint = Mix(Rgb(255, 220, 170), Rgb(110, 150, 255), std::min(1.0f, r * 1.6f));
            c.AddLight(x, y, Scale(tint, density * 1.6f));
        }
    c.Glow(255.5f, 255.5f, 26, Rgb(255, 236, 200), 1.6f);
    Nebula(c, 362, Rgb(200, 60, 140), Rgb(60, 90, 220), 0.35f, 90.0f);
    album.PutPms(cg::exposure::kTurning, c);
}

}  // namespace

void AddOpeningPictures(Album& album) {
    DawnLandscape(album);
    NightCity(album);
    Galaxy(album);
    // Captions shown in black at a low level over the turning galaxy.
    album.PutMask(cg::exposure::kFirstCaption, RenderText(kJapaneseFont, "遠い日の約束", 44));
    album.PutMask(cg::exposure::kSecondCaption, RenderText(kJapaneseFont, "光の向こうへ", 44));
    album.PutMask(cg::exposure::kThirdCaption, RenderText(kJapaneseFont, "そして、物語は始まる", 44));
}

}  // namespace samples

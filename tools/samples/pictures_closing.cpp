// Scene 11 (the tall scroll and the closing title) and small stand-ins for the indices that no
// scene loads, in every picture format so that the archive exercises the whole decoder.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "album.h"
#include "demo/scenes/scene_pictures.h"
#include "noise.h"
#include "sample_set.h"
#include "scenery.h"
#include "text.h"

namespace cg = scene_pictures;

namespace samples {
namespace {

// Scrolled from bottom to top: night sky with aurora, mountains, a lake.
void TallScroll(Album& album) {
    Canvas c(640, 1200);
    c.VerticalGradient({Rgb(2, 2, 12), Rgb(8, 16, 50), Rgb(20, 50, 90), Rgb(60, 90, 130), Rgb(20, 30, 60)});
    c.Stars(1500, 50, 800, 1.0f);
    for (int32_t y = 100; y < 600; ++y)
        for (int32_t x = 0; x < 640; ++x) {
            const float wave = 350.0f + 120.0f * std::sin(x * 0.01f) + 60.0f * Fbm(x / 80.0f, 0.0f, 501, 3);
            const float k = std::exp(-std::fabs(y - wave) / 40.0f) * (0.5f + Fbm(x / 20.0f, y / 200.0f, 502, 3));
            c.AddLight(x, y, Scale(Mix(Rgb(40, 255, 140), Rgb(140, 60, 255), (y - 100) / 500.0f), k * 0.6f));
        }
    Mountains(c, 900, 200, 200.0f, 503, Rgb(30, 40, 70), Rgb(12, 16, 30));
    Mountains(c, 940, 90, 100.0f, 504, Rgb(14, 18, 36), Rgb(8, 10, 20));
    Water(c, 940, Rgb(20, 40, 80), 0.4f, 505);
    album.PutPms(cg::closing::kTall, c);
}

// The closing picture, centred on black.
void ClosingTitle(Album& album) {
    Canvas c(560, 360);
    c.VerticalGradient({Rgb(4, 4, 20), Rgb(30, 20, 70), Rgb(4, 4, 20)});
    c.Stars(300, 1, 360, 0.8f);
    c.Glow(280, 150, 70, Rgb(255, 200, 140), 1.2f);
    const Plane title = RenderText(kSerifFont, "PRELUDE", 84, 6, 8.0f);
    const Plane glow = Dilate(title, 4);
    const int32_t tx = (560 - title.width) / 2, ty = 100;
    c.Stamp(glow, tx, ty, Rgb(255, 140, 60), 0.5f);
    c.Stamp(title, tx, ty, Rgb(255, 246, 220));
    const Plane subtitle = RenderText(kJapaneseFont, "～はじまりの歌～", 30);
    c.Stamp(subtitle, (560 - subtitle.width) / 2, 230, Rgb(220, 220, 255));
    album.PutPms(cg::closing::kClosing, c);
}

bool LoadedByAScene(int32_t index) {
    return std::find(std::begin(cg::kLoaded), std::end(cg::kLoaded), index) != std::end(cg::kLoaded);
}

void StandIns(Album& album) {
    int32_t kind = 0;
    for (int32_t index = 0; index < kArchiveEntries; ++index) {
        if (LoadedByAScene(index)) continue;
        Canvas c(32, 24);
        c.VerticalGradient({Rgb(index * 4, 60, 200 - index * 3), Rgb(200, index * 4, 40)});
        switch (kind++ % 4) {
            case 0:
                album.PutPms(index, c);
                break;
            case 1:
                album.PutPms(index, c, LightToAlpha(c, 1.0f));
                break;
            case 2:
                album.PutMask(index, LightToAlpha(c, 1.0f));
                break;
            default:
                album.PutBmp(index, c);
                break;
        }
    }
}

}  // namespace

void AddClosingPictures(Album& album) {
    TallScroll(album);
    ClosingTitle(album);
    StandIns(album);
}

}  // namespace samples

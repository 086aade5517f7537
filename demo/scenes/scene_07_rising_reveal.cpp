#include "demo/effects/effects.h"
#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"

namespace cg = scene_pictures::reveal;

namespace {

constexpr int32_t kSceneIndex = scene_times::reveal::kScene;
using scene_times::reveal::kCrossFadeFromMs;
using scene_times::reveal::kSteadyFromMs;
using scene_times::reveal::kTitleFromMs;
constexpr int32_t kColumnX = 80;
constexpr int32_t kTitleFadeMs = 586;

}  // namespace

bool PlayRisingReveal(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef columnTile;
    SurfaceRef bottomShape;
    SurfaceRef revealed;
    SurfaceRef edgeOverlay;
    SurfaceRef title;
    if (!LoadPictures(context, {{&columnTile, cg::kColumnTile},
                                {&bottomShape, cg::kBottomShape},
                                {&revealed, cg::kRevealed},
                                {&edgeOverlay, cg::kEdgeOverlay},
                                {&title, cg::kTitle}})) {
        return false;
    }

    ISurface* screen = Screen(context);
    const int32_t riseLength = static_cast<int32_t>(kCrossFadeFromMs - window.startMs);

    auto drawBackground = [&](uint32_t t, int32_t d) {
        ISurface* picture = revealed.Get();
        const int32_t w = picture->Width();
        const int32_t h = picture->Height();
        if (t < kCrossFadeFromMs) {
            const float rows = static_cast<float>(d) * 240.0f / static_cast<float>(riseLength) + 240.0f;
            Afterimage4(screen, 0, 0, kScreenWidth, kScreenHeight, picture, 0.0f, static_cast<float>(h) - rows,
                        static_cast<float>(w), rows);
        } else if (t < kSteadyFromMs) {
            CurrentGraph()->BlendConst(screen, 0, 0, picture, 0, 0, w, h,
                                       static_cast<int32_t>(t - kCrossFadeFromMs) * 255 / 1500);
        } else {
            CurrentGraph()->Copy(screen, 0, 0, picture, 0, 0, w, h);
        }
    };

    auto drawTitle = [&](uint32_t t) {
        const int32_t columnWidth = columnTile.Width();
        const int32_t w = title.Width();
        const int32_t h = title.Height();
        const int32_t x = columnWidth + (560 - columnWidth - w) / 2 + 80;
        const int32_t y = (kScreenHeight - h) / 2;
        if (t < kSteadyFromMs) {
            const int32_t level = static_cast<int32_t>(t - kTitleFromMs) * 255 / kTitleFadeMs;
            CurrentGraph()->ShapeColorLevel(screen, x + 2, y + 2, title.Get(), 0, 0, w, h, 0, 0, 0, level);
            CurrentGraph()->ShapeColorLevel(screen, x, y, title.Get(), 0, 0, w, h, 255, 0, 0, level);
        } else {
            CurrentGraph()->ShapeColor(screen, x + 2, y + 2, title.Get(), 0, 0, w, h, 0, 0, 0);
            CurrentGraph()->ShapeColor(screen, x, y, title.Get(), 0, 0, w, h, 255, 0, 0);
        }
    };

    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            const int32_t d = window.Elapsed(t);
            drawBackground(t, d);
            if (t < kTitleFromMs) {
                const int32_t w = bottomShape.Width();
                const int32_t h = bottomShape.Height();
                CurrentGraph()->ShapeColorLevel(screen, 0, kScreenHeight - h, bottomShape.Get(), 0, 0, w, h, 0, 0, 0,
                                                48);
            } else {
                const int32_t w = columnTile.Width();
                const int32_t h = columnTile.Height();
                // Truncating division and a remainder with the dividend's sign: the offset is zero
                // or negative, so the tiles move up.
                const int32_t offset = h > 0 ? (d / -4) % h : 0;
                CurrentGraph()->TileOffset(screen, kColumnX, 0, w, kScreenHeight, columnTile.Get(), 0, 0, w, h, 0,
                                           offset);
            }
            if (t < kSteadyFromMs) {
                ISurface* overlay = edgeOverlay.Get();
                const int32_t w = overlay->Width();
                const int32_t h = overlay->Height();
                if (t < kTitleFromMs) {
                    CurrentGraph()->BlendAlpha(screen, kScreenWidth - w, 0, overlay, 0, 0, w, h);
                } else {
                    const int32_t level = static_cast<int32_t>(kTitleFromMs - t) * 255 / kTitleFadeMs + 255;
                    CurrentGraph()->BlendAlphaLevel(screen, kScreenWidth - w, 0, overlay, 0, 0, w, h, level);
                }
            }
            if (t >= kTitleFromMs) drawTitle(t);
        },
        NoFinalFrame);
}

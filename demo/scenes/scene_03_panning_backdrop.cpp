#include "demo/effects/effects.h"
#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"

namespace cg = scene_pictures::backdrop;

namespace {

constexpr int32_t kSceneIndex = scene_times::backdrop::kScene;
using scene_times::backdrop::kBarsFromMs;
using scene_times::backdrop::kBarsFullMs;
constexpr int32_t kBarHeight = 100;
// How far the striped overlay travels down over the whole scene.
constexpr int32_t kOverlayTravel = 5760;

void DrawBars(ISurface* screen, int32_t height) {
    CurrentGraph()->FillRect(screen, 0, 0, kScreenWidth, height, 0, 0, 0);
    CurrentGraph()->FillRect(screen, 0, kScreenHeight - height, kScreenWidth, height, 0, 0, 0);
}

}  // namespace

bool PlayPanningBackdrop(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef strip;
    SurfaceRef backdrop;
    SurfaceRef stripeTile;
    SurfaceRef overlay;
    SurfaceRef captions[3];
    if (!LoadPictures(context, {{&strip, cg::kStrip},
                                {&backdrop, cg::kBackdrop},
                                {&stripeTile, cg::kStripeTile},
                                {&overlay, cg::kOverlay},
                                {&captions[0], cg::kCaptions[0]},
                                {&captions[1], cg::kCaptions[1]},
                                {&captions[2], cg::kCaptions[2]}})) {
        return false;
    }

    ISurface* screen = Screen(context);
    const int32_t t1 = static_cast<int32_t>(kBarsFromMs - window.startMs);
    const int32_t t2 = static_cast<int32_t>(kBarsFullMs - window.startMs);
    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            const int32_t d = window.Elapsed(t);
            const int32_t dur = window.dur;
            const int32_t scrollY = (backdrop.Height() - kScreenHeight) * (dur - d) / dur;
            CurrentGraph()->Copy(screen, 0, 0, backdrop.Get(), 0, scrollY, kScreenWidth, kScreenHeight);
            ScanlineTile(screen, 0, 0, kScreenWidth, kScreenHeight, stripeTile.Get(), 0, 0, stripeTile.Width(),
                         stripeTile.Height(), 0, d * kOverlayTravel / dur);
            if (d < t1) {
                ISurface* caption = captions[d * 3 / t1].Get();
                const int32_t w = caption->Width();
                const int32_t h = caption->Height();
                CurrentGraph()->ShapeColor(screen, (440 - w) / 2 + 200, 360, caption, 0, 0, w, h, 255, 255, 255);
            } else if (d < t2) {
                const int32_t height = (d - t1) * kBarHeight / (t2 - t1);
                if (height > 0) DrawBars(screen, height);
            } else {
                DrawBars(screen, kBarHeight);
                const int32_t w = strip.Width();
                const int32_t h = strip.Height();
                CurrentGraph()->Copy(screen, (kScreenWidth - w) / 2, (kBarHeight - h) / 2 + 380, strip.Get(), 0, 0, w,
                                     h);
            }
            CurrentGraph()->BlendAlpha(screen, 0, 0, overlay.Get(), 0, 0, overlay.Width(), overlay.Height());
        },
        NoFinalFrame);
}

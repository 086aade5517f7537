#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"

namespace cg = scene_pictures::closing;

namespace {

constexpr int32_t kSceneIndex = scene_times::closing::kScene;
using scene_times::closing::kClosingFromMs;
constexpr int32_t kTrailLevel = 64;

}  // namespace

bool PlayClosingScroll(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    // The scroll builds up from black over several frames, so the screen is cleared first.
    ClearScreen(context);
    SurfaceRef closing;
    SurfaceRef tall;
    if (!LoadPictures(context, {{&closing, cg::kClosing}, {&tall, cg::kTall}})) return false;

    ISurface* screen = Screen(context);
    const int32_t scrollLength = static_cast<int32_t>(kClosingFromMs - window.startMs);
    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            if (t < kClosingFromMs) {
                const int32_t h = tall.Height();
                const int32_t rise = window.Elapsed(t) * (h - kScreenHeight) / scrollLength;
                CurrentGraph()->BlendConst(screen, 0, 0, tall.Get(), 0, h - rise - kScreenHeight, kScreenWidth,
                                           kScreenHeight, kTrailLevel);
                return;
            }
            ClearScreen(context);
            const int32_t w = closing.Width();
            const int32_t h = closing.Height();
            CurrentGraph()->Copy(screen, (kScreenWidth - w) / 2, (kScreenHeight - h) / 2, closing.Get(), 0, 0, w, h);
        },
        NoFinalFrame);
}

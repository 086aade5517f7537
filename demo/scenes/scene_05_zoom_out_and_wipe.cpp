#include "demo/effects/effects.h"
#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"

namespace {

constexpr int32_t kSceneIndex = scene_times::zoom_out::kScene;
constexpr int32_t kPicture = scene_pictures::exposure::kClosing;
constexpr uint32_t kCrossFadeFromMs = 37000;
constexpr uint32_t kSteadyFromMs = 38456;
constexpr uint32_t kWipeFromMs = 40870;
constexpr int32_t kColumnRows = kScreenHeight;
// Four columns of a screen's rows each.
constexpr int32_t kWipeRows = 4 * kColumnRows;

// Each column in turn slides down and darkens into black, from left to right; the columns right
// of the moving one keep the plain picture.
void DrawWipe(ISurface* screen, ISurface* picture, int32_t progress, int32_t columnWidth) {
    int32_t x = 0;
    for (int32_t done = progress / kColumnRows; done > 0; --done, x += columnWidth) {
        CurrentGraph()->FillRect(screen, x, 0, columnWidth, kColumnRows, 0, 0, 0);
    }
    const int32_t f = progress % kColumnRows;
    CurrentGraph()->FillRect(screen, x, 0, columnWidth, f, 0, 0, 0);
    CurrentGraph()->Copy(screen, x, f, picture, x, 0, columnWidth, kColumnRows - f);
    CurrentGraph()->DimRect(screen, x, f, columnWidth, kColumnRows - f, 255 - f * 255 / kColumnRows);
}

}  // namespace

bool PlayZoomOutAndWipe(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef holder;
    if (!LoadPictures(context, {{&holder, kPicture}})) return false;

    ISurface* screen = Screen(context);
    ISurface* picture = holder.Get();
    const int32_t columnWidth = context.screenWidth / 4;
    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            const int32_t w = picture->Width();
            const int32_t h = picture->Height();
            if (t < kCrossFadeFromMs) {
                const float e = static_cast<float>(window.Elapsed(t)) /
                                static_cast<float>(static_cast<int32_t>(kCrossFadeFromMs - window.startMs));
                const float fw = static_cast<float>(w) * e;
                const float fh = static_cast<float>(h) * e;
                if (fw > 0.0f && fh > 0.0f) {
                    Afterimage16(screen, 0, 0, kScreenWidth, kScreenHeight, picture,
                                 (static_cast<float>(w) - fw) * 0.5f, (static_cast<float>(h) - fh) * 0.5f, fw, fh);
                }
                return;
            }
            if (t < kSteadyFromMs) {
                const int32_t level = static_cast<int32_t>(t - kCrossFadeFromMs) * 255 / 1456;
                CurrentGraph()->BlendConst(screen, 0, 0, picture, 0, 0, w, h, level);
                return;
            }
            CurrentGraph()->Copy(screen, 0, 0, picture, 0, 0, w, h);
            if (t >= kWipeFromMs) {
                const int32_t progress =
                    (static_cast<int32_t>(t) * kWipeRows - 78470400) / static_cast<int32_t>(window.endMs - kWipeFromMs);
                DrawWipe(screen, picture, progress, columnWidth);
            }
        },
        NoFinalFrame);
}

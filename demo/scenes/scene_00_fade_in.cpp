#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"

namespace {

constexpr int32_t kSceneIndex = scene_times::opening::kFadeScene;
constexpr int32_t kPicture = scene_pictures::kOpening;
// The part of the larger picture that is seen.
constexpr int32_t kCropX = 128;
constexpr int32_t kCropY = 128;

}  // namespace

bool PlayFadeIn(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef picture;
    if (!LoadPictures(context, {{&picture, kPicture}})) return false;

    ISurface* screen = Screen(context);
    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            const int32_t level = window.Elapsed(t) * 255 / window.dur;
            CurrentGraph()->CopyLevel(screen, 0, 0, picture.Get(), kCropX, kCropY, kScreenWidth, kScreenHeight, level);
        },
        [&] {
            // The fade never reaches 255 on its own; the closing copy shows the picture at full strength.
            CurrentGraph()->Copy(screen, 0, 0, picture.Get(), kCropX, kCropY, kScreenWidth, kScreenHeight);
            PresentScreen(context);
        });
}

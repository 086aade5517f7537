#include "demo/scenes/scene_table.h"

#include "demo/scenes/scenes.h"

namespace {

using SceneFunction = bool (*)(DemoContext& context);

// In schedule order: entry i plays the window of schedule entry i.
constexpr SceneFunction kScenes[] = {PlayFadeIn,           PlayRipple,       PlayRotatingExposure,
                                     PlayPanningBackdrop,  PlayZoomAndTitle, PlayZoomOutAndWipe,
                                     PlaySpinningPictures, PlayRisingReveal, PlayTunnel,
                                     PlayZoomCollage,      PlayMovie,        PlayClosingScroll};

}  // namespace

bool RunScene(DemoContext& context, int32_t index) {
    constexpr int32_t sceneCount = static_cast<int32_t>(sizeof(kScenes) / sizeof(kScenes[0]));
    if (index < 0 || index >= sceneCount) return true;
    return kScenes[index](context);
}

#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scenes.h"

namespace {

constexpr int32_t kSceneIndex = 10;

}  // namespace

bool PlayMovie(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    ClearScreen(context);
    PresentScreen(context);

    // The movie goes straight to the window, so the frames are not presented through the screen;
    // the last one stays there until the next scene draws.
    for (;;) {
        switch (BeginFrame(context, window)) {
            case FramePass::kStop:
                return false;
            case FramePass::kWindowOver:
                return true;
            case FramePass::kDraw:
                break;
        }
        // The frame that belongs to the music time, whatever the frame rate. The product is taken
        // in 64 bits so that a movie of more frames than the window has milliseconds cannot
        // overflow it; it equals the 32-bit product whenever that fits.
        const int64_t d = window.Elapsed(context.nowMs);
        const auto frame = static_cast<int32_t>(d * context.movie.FrameCount() / window.dur);
        if (!context.movie.DecodeFrame(frame)) return false;
        context.movie.ShowFrame();
    }
}

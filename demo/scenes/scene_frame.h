#pragma once

#include <cstdint>
#include <initializer_list>

#include "demo/base/bound_modules.h"
#include "demo/base/surface_ref.h"
#include "demo/runtime/demo_context.h"
#include "interfaces/graph.h"
#include "interfaces/host.h"

// The host's screen, which every scene fills.
inline constexpr int32_t kScreenWidth = 640;
inline constexpr int32_t kScreenHeight = 480;

// The window of music time a scene plays, read once when the scene starts: the schedule itself
// is freed when the demo is released, possibly in the middle of the scene.
struct SceneWindow {
    uint32_t startMs = 0;
    uint32_t endMs = 0;
    int32_t dur = 0;

    bool Holds(uint32_t t) const { return t >= startMs && t < endMs; }
    // Progress into the window; the scenes do all their arithmetic in signed 32 bits.
    int32_t Elapsed(uint32_t t) const { return static_cast<int32_t>(t - startMs); }
};

// False when the schedule has no entry for the scene.
bool ReadSceneWindow(const DemoContext& context, int32_t index, SceneWindow& window);

// What one pass of a scene's frame loop must do after the host and the pacing have had their say.
enum class FramePass {
    kDraw,        // the time lies in the window: draw and present one frame
    kWindowOver,  // the time left the window: final frame, then true
    kStop,        // the demo is over: false at once
};

// KeepRunning (false releases the whole demo), PaceFrame, then the window test on nowMs.
FramePass BeginFrame(DemoContext& context, const SceneWindow& window);

// One picture a scene loads: the holder and the archive index.
struct PictureLoad {
    SurfaceRef* holder;
    int32_t index;
};

// Loads the pictures in the order given and stops at the first that fails. The caller's holders
// release whatever was loaded when they go out of scope, on every path.
bool LoadPictures(DemoContext& context, std::initializer_list<PictureLoad> pictures);

void PresentScreen(DemoContext& context);

// The screen as the surface the drawing calls take.
inline ISurface* Screen(DemoContext& context) { return context.screen; }

// Black over the whole screen, as several scenes do before they start drawing.
void ClearScreen(DemoContext& context);

// The common frame loop of a scene: each pass draws one frame and presents it; when the time
// leaves the window, finish draws the closing frame (if the scene has one) and the scene ends
// with true. draw(t) and finish() return nothing: drawing never fails.
template <typename Draw, typename Finish>
bool PlayFrames(DemoContext& context, const SceneWindow& window, Draw&& draw, Finish&& finish) {
    for (;;) {
        switch (BeginFrame(context, window)) {
            case FramePass::kStop:
                return false;
            case FramePass::kWindowOver:
                finish();
                return true;
            case FramePass::kDraw:
                break;
        }
        draw(context.nowMs);
        PresentScreen(context);
    }
}

// For the scenes that simply stop when their window ends.
inline void NoFinalFrame() {}

// Remainder of an unsigned value; 0 for a zero modulus, which only a damaged picture could give.
inline int32_t WrapUnsigned(uint32_t value, int32_t modulus) {
    return modulus > 0 ? static_cast<int32_t>(value % static_cast<uint32_t>(modulus)) : 0;
}

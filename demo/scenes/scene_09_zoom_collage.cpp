#include "demo/effects/effects.h"
#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"

namespace cg = scene_pictures::collage;

namespace {

constexpr int32_t kSceneIndex = scene_times::collage::kScene;
using scene_times::collage::kBuildFromMs;
using scene_times::collage::kLeftPartFromMs;
using scene_times::collage::kRightPartFromMs;
using scene_times::collage::kZoomFromMs;
constexpr int32_t kFrameShrinkMs = 2271;  // kBuildFromMs - kZoomFromMs
constexpr int32_t kGhostLevel = 64;

}  // namespace

bool PlayZoomCollage(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef leftPart;
    SurfaceRef rightPart;
    SurfaceRef backgroundPart;
    SurfaceRef shrinkingFrame;
    SurfaceRef zoomBack;
    SurfaceRef zoomFront;
    SurfaceRef opening;
    if (!LoadPictures(context, {{&leftPart, cg::kLeft},
                                {&rightPart, cg::kRight},
                                {&backgroundPart, cg::kBackground},
                                {&shrinkingFrame, cg::kShrinkingFrame},
                                {&zoomBack, cg::kZoomBack},
                                {&zoomFront, cg::kZoomFront},
                                {&opening, cg::kOpening}})) {
        return false;
    }
    ClearScreen(context);

    ISurface* screen = Screen(context);
    const int32_t zoomLength = static_cast<int32_t>(kBuildFromMs - window.startMs);

    auto drawZoom = [&](uint32_t t, int32_t d) {
        const float z = static_cast<float>(zoomLength);
        const float fw = static_cast<float>(-320 * d) / z + kScreenWidth - 1.0f;
        const float fh = static_cast<float>(-240 * d) / z + kScreenHeight - 1.0f;
        CurrentGraph()->ZoomRect(screen, 0, 0, kScreenWidth, kScreenHeight, zoomBack.Get(), (kScreenWidth - fw) * 0.5f,
                                 (kScreenHeight - fh) * 0.5f, fw, fh, 16);
        const float gw = static_cast<float>(-480 * d) / z + 520.0f;
        const float gh = static_cast<float>(-360 * d) / z + 390.0f;
        Afterimage8(screen, 0, 0, kScreenWidth, kScreenHeight, zoomFront.Get(), (kScreenWidth - gw) * 0.5f,
                    (kScreenHeight - gh) * 0.5f, gw, gh);
        const int32_t before = static_cast<int32_t>(kZoomFromMs) - static_cast<int32_t>(t);
        const int32_t n = before * 400 / kFrameShrinkMs + kScreenWidth;
        const int32_t k = before * 300 / kFrameShrinkMs + kScreenHeight;
        ISurface* frame = shrinkingFrame.Get();
        TintMaskScaled(screen, (kScreenWidth - n) / 2, (kScreenHeight - k) / 2, n, k, frame, 0.0f, 0.0f,
                       static_cast<float>(frame->Width()), static_cast<float>(frame->Height()), 255, 255, 255);
    };

    // A part arrives as a white silhouette that turns into the picture as level rises.
    auto drawArriving = [&](ISurface* part, int32_t x, int32_t level) {
        const int32_t w = part->Width();
        const int32_t h = part->Height();
        CurrentGraph()->ShapeColor(screen, x, 0, part, 0, 0, w, h, 255, 255, 255);
        CurrentGraph()->BlendAlphaLevel(screen, x, 0, part, 0, 0, w, h, level);
    };
    auto drawGhost = [&](ISurface* part, int32_t x) {
        CurrentGraph()->BlendLevel(screen, x, 0, part, 0, 0, part->Width(), part->Height(), kGhostLevel);
    };
    auto copyWhole = [&](ISurface* part) {
        CurrentGraph()->Copy(screen, 0, 0, part, 0, 0, part->Width(), part->Height());
    };

    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            const int32_t ms = static_cast<int32_t>(t);
            ISurface* background = backgroundPart.Get();
            ISurface* left = leftPart.Get();
            ISurface* right = rightPart.Get();
            const int32_t rightX = kScreenWidth - right->Width();
            if (t < kZoomFromMs) {
                copyWhole(opening.Get());
            } else if (t < kBuildFromMs) {
                drawZoom(t, window.Elapsed(t));
            } else if (t < kLeftPartFromMs) {
                ClearScreen(context);
                drawArriving(background, 0, (ms - static_cast<int32_t>(kBuildFromMs)) * 255 / 328);
                drawGhost(left, 0);
                drawGhost(right, rightX);
            } else if (t < kRightPartFromMs) {
                copyWhole(background);
                drawArriving(left, 0, (ms - static_cast<int32_t>(kLeftPartFromMs)) * 255 / 332);
                drawGhost(right, rightX);
            } else {
                copyWhole(background);
                CurrentGraph()->BlendAlpha(screen, 0, 0, left, 0, 0, left->Width(), left->Height());
                drawArriving(right, rightX, (ms - static_cast<int32_t>(kRightPartFromMs)) * 255 / 706);
            }
        },
        NoFinalFrame);
}

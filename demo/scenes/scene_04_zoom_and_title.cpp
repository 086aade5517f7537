#include "demo/effects/effects.h"
#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_math.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"

namespace cg = scene_pictures::zoom_title;

namespace {

constexpr int32_t kSceneIndex = scene_times::zoom_title::kScene;
using scene_times::zoom_title::kDarkenFromMs;
using scene_times::zoom_title::kTitleFromMs;
using scene_times::zoom_title::kTitleFullMs;
using scene_times::zoom_title::kWashFromMs;
constexpr int32_t kDarkenMs = static_cast<int32_t>(kTitleFromMs - kDarkenFromMs);
constexpr int32_t kTitleRiseMs = static_cast<int32_t>(kTitleFullMs - kTitleFromMs);
// The title slides this far right while it rises to full strength.
constexpr int32_t kTitleStartX = 110;
constexpr int32_t kTitleSlideX = 20;
constexpr float kZoomFactor = 3.0f;
constexpr float kZoomDegrees = 22.5f;

struct ZoomPath {
    int32_t startX[4];
    int32_t startY[4];
    float targetX[4];
    float targetY[4];
};

// From the band's own corners to a rectangle kZoomFactor times smaller, turned by kZoomDegrees
// about the picture's centre.
ZoomPath BuildZoomPath(ISurface* picture) {
    ZoomPath path = {{0, 639, 639, 0}, {80, 80, 399, 399}, {}, {}};
    const float a = kScreenWidth / (2.0f * kZoomFactor);
    const float b = 320.0f / (2.0f * kZoomFactor);
    const float offsetsX[4] = {-a, a, a, -a};
    const float offsetsY[4] = {-b, -b, b, b};
    const float cosine = CosDegrees(kZoomDegrees);
    const float sine = SinDegrees(kZoomDegrees);
    const int32_t cx = picture->Width() / 2;
    const int32_t cy = picture->Height() / 2;
    for (int i = 0; i < 4; ++i) {
        path.targetX[i] = static_cast<float>(cx) + offsetsX[i] * cosine - offsetsY[i] * sine;
        path.targetY[i] = static_cast<float>(cy) + offsetsX[i] * sine + offsetsY[i] * cosine;
    }
    return path;
}

int32_t Along(int32_t start, float target, int32_t d, int32_t length) {
    const float travel = static_cast<float>(d) * (target - static_cast<float>(start)) / static_cast<float>(length);
    return start + static_cast<int32_t>(travel);
}

}  // namespace

bool PlayZoomAndTitle(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef title;
    SurfaceRef washShape;
    SurfaceRef zoomed;
    SurfaceRef unused;
    SurfaceRef sidePicture;
    SurfaceRef captions[2];
    if (!LoadPictures(context, {{&title, cg::kTitle},
                                {&washShape, cg::kWashShape},
                                {&zoomed, cg::kZoomed},
                                {&unused, cg::kUnused},
                                {&sidePicture, cg::kSide},
                                {&captions[0], cg::kCaptions[0]},
                                {&captions[1], cg::kCaptions[1]}})) {
        return false;
    }

    ISurface* screen = Screen(context);
    ISurface* side = sidePicture.Get();
    const int32_t zoomLength = static_cast<int32_t>(kTitleFromMs - window.startMs);
    const ZoomPath path = BuildZoomPath(zoomed.Get());

    auto drawZoomPhase = [&](uint32_t t, int32_t d) {
        int32_t x[4];
        int32_t y[4];
        for (int i = 0; i < 4; ++i) {
            x[i] = Along(path.startX[i], path.targetX[i], d, zoomLength);
            y[i] = Along(path.startY[i], path.targetY[i], d, zoomLength);
        }
        ScanlineQuad(screen, 0, 80, kScreenWidth, 320, zoomed.Get(), x[0], y[0], x[1], y[1], x[2], y[2], x[3], y[3]);
        const int32_t sideW = side->Width();
        const int32_t sideH = side->Height();
        if (t < kDarkenFromMs)
            TintMask(screen, (kScreenWidth - sideW) / 2, 80, side, 0, 80, sideW, sideH - 160, 64, 0, 255);
        CurrentGraph()->FillRect(screen, 0, 400, kScreenWidth, 80, 0, 0, 0);
        ISurface* caption = captions[d < zoomLength / 2 ? 0 : 1].Get();
        const int32_t w = caption->Width();
        const int32_t h = caption->Height();
        CurrentGraph()->ShapeColor(screen, (kScreenWidth - w) / 2, (kScreenHeight - h) / 2, caption, 0, 0, w, h, 0, 0,
                                   0);
        if (t >= kDarkenFromMs) {
            const int32_t since = static_cast<int32_t>(t - kDarkenFromMs);
            const int32_t level = since * 255 / kDarkenMs;
            CurrentGraph()->FillRectLevel(screen, 0, 80, kScreenWidth, 320, 0, 0, 0, level);
            ScanlineMask(screen, 0, 80, kScreenWidth, 320);
            const int32_t centred = (kScreenWidth - sideW) / 2;
            const int32_t slideX = centred + (kScreenWidth - sideW - centred) * since / kDarkenMs;
            CurrentGraph()->BlendAlphaLevel(screen, slideX, 0, side, 0, 0, sideW, sideH, level);
        }
    };

    auto drawTitlePhase = [&](uint32_t t) {
        CurrentGraph()->FillRect(screen, 0, 80, kScreenWidth, 320, 0, 0, 0);
        CurrentGraph()->FillRect(screen, 0, 400, kScreenWidth, 80, 0, 0, 0);
        const int32_t w = title.Width();
        const int32_t h = title.Height();
        const int32_t y = (kScreenHeight - h) / 2;
        if (t >= kTitleFullMs) {
            CurrentGraph()->ShapeColor(screen, kTitleStartX + kTitleSlideX, y, title.Get(), 0, 0, w, h, 255, 0, 0);
        } else {
            const int32_t since = static_cast<int32_t>(t - kTitleFromMs);
            const int32_t x = since * kTitleSlideX / kTitleRiseMs + kTitleStartX;
            const int32_t level = since * 255 / kTitleRiseMs;
            CurrentGraph()->ShapeColorLevel(screen, x, y, title.Get(), 0, 0, w, h, 255, 0, 0, level);
        }
        CurrentGraph()->BlendAlpha(screen, kScreenWidth - side->Width(), 0, side, 0, 0, side->Width(), side->Height());
        if (t >= kWashFromMs) {
            const int32_t level =
                static_cast<int32_t>(t - kWashFromMs) * 255 / static_cast<int32_t>(window.endMs - kWashFromMs);
            CurrentGraph()->WashShape(screen, 0, 0, kScreenWidth, kScreenHeight, washShape.Get(), 0, 0, 255, 0, 0,
                                      level);
        }
    };

    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            CurrentGraph()->FillRect(screen, 0, 0, kScreenWidth, 80, 0, 0, 0);
            if (t < kTitleFromMs) {
                drawZoomPhase(t, window.Elapsed(t));
            } else {
                drawTitlePhase(t);
            }
        },
        NoFinalFrame);
}

#include <algorithm>

#include "demo/effects/effects.h"
#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"
#include "demo/scenes/turn_table.h"

namespace cg = scene_pictures::spin;

namespace {

constexpr int32_t kSceneIndex = scene_times::spin::kScene;
using scene_times::spin::kColumnFadeEndMs;
using scene_times::spin::kStripFromMs;
constexpr int32_t kColumnX = 356;
constexpr int32_t kStripWidth = kScreenWidth / 3;
constexpr int32_t kStripGrowMs = 1549;
constexpr int32_t kColumnFadeMs = 2549;

// Draws a w x h picture scaled by scale and turned by an angle about the screen point (cx, cy),
// screened over what is there.
void DrawSpun(ISurface* screen, ISurface* picture, int32_t cx, int32_t cy, float cosine, float sine, float scale) {
    const int32_t w = picture->Width();
    const int32_t h = picture->Height();
    const float a = static_cast<float>(w) * scale * 0.5f;
    const float b = static_cast<float>(h) * scale * 0.5f;
    const float offsetsX[4] = {-a, a, a, -a};
    const float offsetsY[4] = {-b, -b, b, b};
    Vertex destination[4];
    for (int i = 0; i < 4; ++i) {
        const float ox = offsetsX[i];
        const float oy = offsetsY[i];
        destination[i].x = static_cast<float>(cx + static_cast<int32_t>(ox * cosine - oy * sine));
        destination[i].y = static_cast<float>(cy + static_cast<int32_t>(ox * sine + oy * cosine));
    }
    const float right = static_cast<float>(w - 1);
    const float bottom = static_cast<float>(h - 1);
    const Vertex source[4] = {{0.0f, 0.0f}, {right, 0.0f}, {right, bottom}, {0.0f, bottom}};
    ScreenQuad(screen, destination, picture, source);
}

}  // namespace

bool PlaySpinningPictures(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef stripOverlay;
    SurfaceRef stripPattern;
    SurfaceRef rightPicture;
    SurfaceRef columnTile;
    SurfaceRef spunLower;
    SurfaceRef spunUpper;
    SurfaceRef screenOverlay;
    SurfaceRef captions[2];
    if (!LoadPictures(context, {{&stripOverlay, cg::kStripOverlay},
                                {&stripPattern, cg::kStripPattern},
                                {&rightPicture, cg::kRight},
                                {&columnTile, cg::kColumnTile},
                                {&spunLower, cg::kSpunLower},
                                {&spunUpper, cg::kSpunUpper},
                                {&screenOverlay, cg::kScreenOverlay},
                                {&captions[0], cg::kCaptions[0]},
                                {&captions[1], cg::kCaptions[1]}})) {
        return false;
    }

    ISurface* screen = Screen(context);
    ISurface* column = columnTile.Get();
    ISurface* overlay = screenOverlay.Get();
    const int32_t firstPhase = static_cast<int32_t>(kStripFromMs - window.startMs);
    // Both pictures turn with x = d * 180 / C + 180: the upper by 1.5 x, the lower by 45 - 2.5 x.
    auto xAt = [&](int32_t d) { return static_cast<float>(d) * 180.0f / static_cast<float>(firstPhase) + 180.0f; };
    TurnTable upperTurn;
    TurnTable lowerTurn;
    if (!upperTurn.Build(firstPhase, [&](int32_t d) { return 1.5f * xAt(d); })) return false;
    if (!lowerTurn.Build(firstPhase, [&](int32_t d) { return 45.0f - 2.5f * xAt(d); })) return false;

    // The column tile is shorter than the screen; the offset cycles through the rows it lacks.
    auto columnOffset = [&](int32_t d) {
        const int32_t spare = kScreenHeight - column->Height();
        return spare > 0 ? (spare * d * 12 / window.dur) % spare : 0;
    };

    auto drawSpinPhase = [&](int32_t d) {
        CurrentGraph()->DimRect(screen, 0, 0, kScreenWidth, kScreenHeight, 160);
        CurrentGraph()->BlendOverlay(screen, 0, 0, overlay, 0, 0, overlay->Width(), overlay->Height());
        CurrentGraph()->TileOffset(screen, kColumnX, 0, kScreenWidth - kColumnX, kScreenHeight, column, 0, 0,
                                   column->Width(), column->Height(), 0, columnOffset(d));
        const float scale = static_cast<float>(d) * 0.25f / static_cast<float>(firstPhase) + 0.5f;
        DrawSpun(screen, spunUpper.Get(), 320, 180, upperTurn.Cos(d), upperTurn.Sin(d), scale);
        DrawSpun(screen, spunLower.Get(), 80, 380, lowerTurn.Cos(d), lowerTurn.Sin(d), 2.0f);
        ISurface* caption = captions[d < firstPhase / 2 ? 0 : 1].Get();
        const int32_t w = caption->Width();
        const int32_t h = caption->Height();
        CurrentGraph()->ShapeColor(screen, (kScreenWidth - w) / 2, (kScreenHeight - h) / 2, caption, 0, 0, w, h, 255,
                                   255, 255);
    };

    auto drawStripPhase = [&](uint32_t t, int32_t d) {
        CurrentGraph()->FillRect(screen, 0, 0, kScreenWidth, kScreenHeight, 0, 0, 0);
        ISurface* pattern = stripPattern.Get();
        const int32_t pw = pattern->Width();
        const int32_t ph = pattern->Height();
        const int32_t stripWidth =
            std::min(kStripWidth, kStripWidth * static_cast<int32_t>(t - kStripFromMs) / kStripGrowMs);
        CurrentGraph()->TileOffset(screen, 0, 0, stripWidth, kScreenHeight, pattern, 0, 0, pw, ph,
                                   WrapUnsigned(t / 4, pw), WrapUnsigned(t / 4, ph));
        ScanlineMask(screen, 0, 0, kStripWidth, kScreenHeight);
        CurrentGraph()->BlendAlpha(screen, 0, 0, stripOverlay.Get(), 0, 0, stripOverlay.Width(), stripOverlay.Height());
        CurrentGraph()->BlendOverlay(screen, 0, 0, overlay, 0, 0, overlay->Width(), overlay->Height());
        const int32_t rw = rightPicture.Width();
        const int32_t rh = rightPicture.Height();
        CurrentGraph()->Copy(screen, 381, (kScreenHeight - rh) / 2, rightPicture.Get(), 0, 0, rw, rh);
        if (t < kColumnFadeEndMs) {
            const int32_t level = 255 + (static_cast<int32_t>(kStripFromMs - t) * 255) / kColumnFadeMs;
            CurrentGraph()->TileOffsetLevel(screen, kColumnX, 0, kScreenWidth - kColumnX, kScreenHeight, column, 0, 0,
                                            column->Width(), column->Height(), 0, columnOffset(d), level);
        }
    };

    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            const int32_t d = window.Elapsed(t);
            if (t < kStripFromMs) {
                drawSpinPhase(d);
            } else {
                drawStripPhase(t, d);
            }
        },
        NoFinalFrame);
}

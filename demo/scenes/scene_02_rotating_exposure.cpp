#include "demo/effects/effects.h"
#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"
#include "demo/scenes/turn_table.h"

namespace cg = scene_pictures::exposure;

namespace {

int32_t frameCount = 0;

namespace times = scene_times::exposure;

constexpr int32_t kSceneIndex = times::kScene;
using times::kFocusFromMs;

// The screen corners as offsets from the centre of the turning picture, at scale 1.
constexpr float kCornerX = 190.0f;
constexpr float kCornerY = 142.5f;

struct Caption {
    uint32_t fromMs;  // both ends shown
    uint32_t toMs;
    int32_t holder;
};

enum Holder { kClosing, kCaptionA, kCaptionB, kCaptionC, kTurning, kHolderCount };

constexpr Caption kCaptions[] = {{times::kFirstCaptionMs[0], times::kFirstCaptionMs[1], kCaptionC},
                                 {times::kSecondCaptionMs[0], times::kSecondCaptionMs[1], kCaptionB},
                                 {times::kThirdCaptionMs[0], times::kThirdCaptionMs[1], kCaptionA}};

// Doublings that bring 1 up to at least the screen width: the widest blur covers the screen.
int32_t BlurSteps(int32_t screenWidth) {
    int32_t steps = 0;
    for (int32_t span = 1; span < screenWidth; span *= 2) ++steps;
    return steps;
}

struct Quad {
    int32_t x[4];
    int32_t y[4];
};

// The picture points that the screen's corners show when the view is turned by an angle and
// scaled by scale about the picture's centre (cx, cy).
Quad TurnedCorners(float scale, float cosine, float sine, int32_t cx, int32_t cy) {
    const float offsetsX[4] = {-kCornerX * scale, kCornerX * scale, kCornerX * scale, -kCornerX * scale};
    const float offsetsY[4] = {kCornerY * scale, kCornerY * scale, -kCornerY * scale, -kCornerY * scale};
    Quad quad{};
    for (int i = 0; i < 4; ++i) {
        const float px = offsetsX[i];
        const float py = offsetsY[i];
        quad.x[i] = cx + static_cast<int32_t>(px * cosine - py * sine);
        quad.y[i] = cy - static_cast<int32_t>(py * cosine + px * sine);
    }
    return quad;
}

void DrawInterlaced(ISurface* screen, ISurface* picture, int32_t parity, const Quad& q) {
    InterlaceQuad(screen, 0, parity, kScreenWidth, kScreenHeight, picture, q.x[0], q.y[0], q.x[1], q.y[1], q.x[2],
                  q.y[2], q.x[3], q.y[3]);
}

}  // namespace

int32_t& FrameParity() { return frameCount; }

bool PlayRotatingExposure(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef pictures[kHolderCount];
    if (!LoadPictures(context, {{&pictures[kClosing], cg::kClosing},
                                {&pictures[kCaptionA], cg::kThirdCaption},
                                {&pictures[kCaptionB], cg::kSecondCaption},
                                {&pictures[kCaptionC], cg::kFirstCaption},
                                {&pictures[kTurning], cg::kTurning}})) {
        return false;
    }
    ClearScreen(context);
    // The two exposures turn by A and by 2A + 45 degrees, A = d * 120 / dur.
    const int32_t turningLength = static_cast<int32_t>(kFocusFromMs - window.startMs);
    auto angleAt = [&](int32_t d) { return static_cast<float>(d) * 120.0f / static_cast<float>(window.dur); };
    TurnTable firstTurn;
    TurnTable secondTurn;
    if (!firstTurn.Build(turningLength, angleAt)) return false;
    if (!secondTurn.Build(turningLength, [&](int32_t d) { return 2.0f * angleAt(d) + 45.0f; })) return false;
    const uint32_t blurSteps = static_cast<uint32_t>(BlurSteps(context.screenWidth));

    ISurface* screen = Screen(context);
    ISurface* closing = pictures[kClosing].Get();
    ISurface* turning = pictures[kTurning].Get();
    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            const int32_t d = window.Elapsed(t);
            if (t >= kFocusFromMs) {
                const uint32_t k = (window.endMs - t) * blurSteps / (window.endMs - kFocusFromMs);
                const int32_t shift = static_cast<int32_t>(k) + 1;
                BoxBlurRows(screen, 0, 0, closing, 0, 0, closing->Width(), closing->Height(), 1 << shift, shift);
                return;
            }
            const float shrink = 1.0f - static_cast<float>(d) * 0.5f / static_cast<float>(window.dur);
            const float scale = shrink * shrink;
            const int32_t lastX = turning->Width() - 1;
            const int32_t lastY = turning->Height() - 1;
            const int32_t cx = lastX / 2;
            const int32_t cy = lastY - lastY / 2;
            const int32_t parity = FrameParity() & 1;
            DrawInterlaced(screen, turning, parity, TurnedCorners(scale, firstTurn.Cos(d), firstTurn.Sin(d), cx, cy));
            DrawInterlaced(screen, turning, parity, TurnedCorners(scale, secondTurn.Cos(d), secondTurn.Sin(d), cx, cy));
            ++FrameParity();
            for (const Caption& caption : kCaptions) {
                if (t < caption.fromMs || t > caption.toMs) continue;
                ISurface* text = pictures[caption.holder].Get();
                const int32_t w = text->Width();
                const int32_t h = text->Height();
                CurrentGraph()->ShapeColorLevel(screen, (kScreenWidth - w) / 2, (kScreenHeight - h) / 2, text, 0, 0, w,
                                                h, 0, 0, 0, 64);
            }
        },
        [&] {
            CurrentGraph()->Copy(screen, 0, 0, closing, 0, 0, closing->Width(), closing->Height());
            PresentScreen(context);
        });
}

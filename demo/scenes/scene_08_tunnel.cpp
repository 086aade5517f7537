#include <cmath>

#include "demo/effects/effect_kernels.h"
#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_math.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"

namespace cg = scene_pictures::tunnel;

namespace {

namespace times = scene_times::tunnel;

constexpr int32_t kSceneIndex = times::kScene;
constexpr int32_t kTextureSize = 256;
// pi rounded to a float, and the reciprocal of that value: one turn spans 512 angle steps.
constexpr double kFloatPi = 3.1415927410125732;
constexpr double kInverseFloatPi = 0.31830987732601135;
constexpr double kDepthScale = 0.192;
constexpr int32_t kPeakLevel = 96;

enum Pulsing { kCentred, kLeft, kRight, kPulsingCount };

// One picture pulsing in and out with its level rising to kPeakLevel at peakMs and falling back.
struct Pulse {
    uint32_t fromMs;
    uint32_t peakMs;
    uint32_t toMs;  // inclusive
    int32_t halfMs;
    int32_t holder;
};

constexpr Pulse kPulses[] = {
    {times::kLeftPulseMs[0], times::kLeftPulseMs[1], times::kLeftPulseMs[2], 633, kLeft},
    {times::kRightPulseMs[0], times::kRightPulseMs[1], times::kRightPulseMs[2], 444, kRight},
    {times::kCentredPulseMs[0], times::kCentredPulseMs[1], times::kCentredPulseMs[2], 781, kCentred}};

// For every screen pixel, its angle around the screen centre; the byte wraps twice per turn.
bool BuildAngleTable(RowTable& table, int32_t width, int32_t height) {
    if (!table.Allocate(height, width, 1)) return false;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const double angle = SceneAtan2(y - height / 2, x - width / 2);
            const auto steps = static_cast<int32_t>((angle + kFloatPi) * 256.0 * kInverseFloatPi);
            table.rows[y][x] = static_cast<uint8_t>(steps & 0xFF);
        }
    }
    return true;
}

// For every screen pixel, its depth in the tunnel: deepest at the centre.
bool BuildDepthTable(RowTable& table, int32_t width, int32_t height) {
    if (!table.Allocate(height, width, 1)) return false;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const double dy = y - height / 2;
            const double dx = x - width / 2;
            table.rows[y][x] =
                static_cast<uint8_t>(static_cast<int32_t>((width - std::sqrt(dy * dy + dx * dx)) * kDepthScale));
        }
    }
    return true;
}

void DrawTunnel(ISurface* screen, const RowTable& angles, const RowTable& depths, uint8_t* const* textureRows,
                int32_t phase) {
    uint8_t* rowStart = screen->PixelAt(0, 0);
    if (rowStart == nullptr) return;
    const int32_t pitch = screen->Pitch();
    const EffectKernels& kernels = EffectKernelsInUse();
    for (int32_t y = 0; y < angles.rowCount; ++y, rowStart += pitch) {
        kernels.tunnelRow(rowStart, angles.rows[y], depths.rows[y], textureRows, phase, angles.columns);
    }
}

}  // namespace

bool PlayTunnel(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef texture;
    SurfaceRef pulsing[kPulsingCount];
    if (!LoadPictures(context, {{&texture, cg::kTexture},
                                {&pulsing[kCentred], cg::kCentred},
                                {&pulsing[kLeft], cg::kLeft},
                                {&pulsing[kRight], cg::kRight}})) {
        return false;
    }

    // The tunnel addresses the texture with bytes; a smaller picture would be read outside.
    ISurface* textureSurface = texture.Get();
    if (textureSurface->Width() < kTextureSize || textureSurface->Height() < kTextureSize ||
        !textureSurface->HasPixels()) {
        return false;
    }
    uint8_t* textureRows[kTextureSize];
    for (int32_t k = 0; k < kTextureSize; ++k) textureRows[k] = textureSurface->PixelAt(0, k);
    RowTable angleTable;
    RowTable depthTable;
    if (!BuildAngleTable(angleTable, context.screenWidth, context.screenHeight)) return false;
    if (!BuildDepthTable(depthTable, context.screenWidth, context.screenHeight)) return false;

    ISurface* screen = Screen(context);
    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            const int32_t d = window.Elapsed(t);
            for (const Pulse& pulse : kPulses) {
                if (t < pulse.fromMs || t > pulse.toMs) continue;
                ISurface* picture = pulsing[pulse.holder].Get();
                const int32_t w = picture->Width();
                const int32_t h = picture->Height();
                const int32_t x = pulse.holder == kLeft    ? 0
                                  : pulse.holder == kRight ? kScreenWidth - w
                                                           : (kScreenWidth - w) / 2;
                const int32_t ms = static_cast<int32_t>(t);
                const int32_t peak = static_cast<int32_t>(pulse.peakMs);
                const int32_t level = t < pulse.peakMs
                                          ? (ms - static_cast<int32_t>(pulse.fromMs)) * kPeakLevel / pulse.halfMs
                                          : (peak - ms) * kPeakLevel / pulse.halfMs + kPeakLevel;
                CurrentGraph()->BlendAlphaLevel(screen, x, 0, picture, 0, 0, w, h, level);
            }
            DrawTunnel(screen, angleTable, depthTable, textureRows, d / 16);
        },
        NoFinalFrame);
}

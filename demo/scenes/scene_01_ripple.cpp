#include <algorithm>
#include <cmath>
#include <cstring>

#include "demo/scenes/scene_frame.h"
#include "demo/scenes/scene_math.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"
#include "demo/scenes/scenes.h"

namespace {

constexpr int32_t kSceneIndex = scene_times::opening::kRippleScene;
constexpr int32_t kPicture = scene_pictures::kOpening;
// The same crop of the picture that scene 0 faded in.
constexpr int32_t kCropOffset = 128;
// The waves move a sample at most this far from its pixel, so the picture must reach that much
// beyond the crop on every side.
constexpr int32_t kMaxDisplacement = 15;
constexpr int32_t kAmplitudeRows = 401;
constexpr int32_t kWavePeriod = 32;
constexpr int32_t kMaxRadius = 400;
// pi / 32 rounded to a float: one row of the wave table holds one period over its 32 entries.
constexpr float kWaveStep = 0.09817477f;
constexpr uint32_t kDarkenFromMs = 11000;

// One quarter of the map of distances from the screen centre; the frame mirrors it.
bool BuildDistanceTable(RowTable& table, int32_t rows, int32_t columns) {
    if (!table.Allocate(rows, columns, sizeof(int16_t))) return false;
    for (int32_t j = 0; j < rows; ++j) {
        int16_t* row = table.Row<int16_t>(j);
        for (int32_t k = 0; k < columns; ++k) {
            const double dy = rows - j;
            const double dx = columns - k;
            row[k] = static_cast<int16_t>(std::sqrt(dy * dy + dx * dx));
        }
    }
    return true;
}

// Row k: one period of a sine whose amplitude grows with the distance k behind the front.
bool BuildWaveTable(RowTable& table) {
    if (!table.Allocate(kAmplitudeRows, kWavePeriod, sizeof(int8_t))) return false;
    for (int32_t k = 0; k < kAmplitudeRows; ++k) {
        int8_t* row = table.Row<int8_t>(k);
        const double amplitude = static_cast<double>(k) / 401.0;
        for (int32_t l = 0; l < kWavePeriod; ++l) {
            const double wave = SceneSin(static_cast<double>(2 * l) * static_cast<double>(kWaveStep));
            row[l] = static_cast<int8_t>(wave * amplitude * 16.0);
        }
    }
    return true;
}

bool BuildPictureRows(DemoContext& context, ISurface* picture) {
    const int32_t height = picture->Height();
    // The waves read up to kMaxDisplacement pixels around the crop; a smaller picture would send
    // them outside its memory.
    const int32_t neededWidth = kCropOffset + context.screenWidth + kMaxDisplacement;
    const int32_t neededHeight = kCropOffset + context.screenHeight + kMaxDisplacement;
    if (height <= 0 || picture->Width() < neededWidth || height < neededHeight) return false;
    if (!picture->HasPixels() || !context.AllocateSceneRows(height)) return false;
    for (int32_t y = 0; y < height; ++y) context.sceneRows[y] = picture->PixelAt(0, y);
    return true;
}

// The first column of a quarter row whose distance is inside the front. Distances fall towards
// the centre along a quarter row, so the pixels inside the front are one run about the centre.
int32_t FirstColumnInside(const int16_t* distances, int32_t columns, int32_t radius) {
    const auto outside = [radius](int16_t distance) { return distance >= radius; };
    return static_cast<int32_t>(std::partition_point(distances, distances + columns, outside) - distances);
}

// Pixels outside the front are the crop itself, through the level row when there is one.
template <bool kDarken>
void CopyUndisplaced(uint8_t* out, const uint8_t* in, int32_t pixels, const uint8_t* levelRow) {
    if constexpr (kDarken) {
        for (int32_t i = 0; i < 3 * pixels; ++i) out[i] = levelRow[in[i]];
    } else {
        std::memcpy(out, in, static_cast<size_t>(3 * pixels));
    }
}

template <bool kDarken>
void CopyPixel(uint8_t* out, const uint8_t* in, const uint8_t* levelRow) {
    if constexpr (kDarken) {
        out[0] = levelRow[in[0]];
        out[1] = levelRow[in[1]];
        out[2] = levelRow[in[2]];
    } else {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
    }
}

// Level row L of the multiply table, or null for the plain copy. The screen is twice the quarter
// tables in each direction, and the four pixels mirrored about its centre share one distance and
// so one displacement: each is worked out once per quarter pixel, for a pair of rows.
template <bool kDarken>
void DrawRipple(DemoContext& context, int32_t radius, int32_t phase, const uint8_t* levelRow) {
    ISurface* screen = Screen(context);
    uint8_t* const firstRow = screen->PixelAt(0, 0);
    if (firstRow == nullptr) return;
    const int32_t pitch = screen->Pitch();
    const int32_t quarterRows = context.sceneTableA.rowCount;
    const int32_t quarterColumns = context.sceneTableA.columns;
    const int32_t width = 2 * quarterColumns;
    uint8_t* const* pictureRows = context.sceneRows;
    for (int32_t j = 0; j < quarterRows; ++j) {
        const int32_t rows[2] = {j, 2 * quarterRows - 1 - j};
        const int16_t* distances = context.sceneTableA.Row<int16_t>(j);
        const int32_t insideFrom = FirstColumnInside(distances, quarterColumns, radius);
        const int32_t insideTo = width - insideFrom;
        uint8_t* out[2];
        for (int32_t r = 0; r < 2; ++r) {
            out[r] = firstRow + static_cast<intptr_t>(rows[r]) * pitch;
            const uint8_t* crop = pictureRows[rows[r] + kCropOffset] + 3 * kCropOffset;
            CopyUndisplaced<kDarken>(out[r], crop, insideFrom, levelRow);
            CopyUndisplaced<kDarken>(out[r] + 3 * insideTo, crop + 3 * insideTo, width - insideTo, levelRow);
        }
        for (int32_t x = insideFrom; x < quarterColumns; ++x) {
            const int32_t distance = distances[x];
            const int32_t offset =
                context.sceneTableB.Row<int8_t>(radius - distance)[(distance - phase) & (kWavePeriod - 1)];
            const int32_t mirroredX = width - 1 - x;
            for (int32_t r = 0; r < 2; ++r) {
                const uint8_t* in = pictureRows[rows[r] + offset + kCropOffset] + 3 * (offset + kCropOffset);
                CopyPixel<kDarken>(out[r] + 3 * x, in + 3 * x, levelRow);
                CopyPixel<kDarken>(out[r] + 3 * mirroredX, in + 3 * mirroredX, levelRow);
            }
        }
    }
}

void FreeRippleTables(DemoContext& context) {
    context.sceneTableA.Free();
    context.sceneTableB.Free();
    context.FreeSceneRows();
}

}  // namespace

bool PlayRipple(DemoContext& context) {
    SceneWindow window;
    if (!ReadSceneWindow(context, kSceneIndex, window)) return false;
    SurfaceRef picture;
    if (!LoadPictures(context, {{&picture, kPicture}})) return false;

    const int32_t columns = context.screenWidth / 2;
    const int32_t rows = context.screenHeight / 2;
    if (columns == 0 || rows == 0) return false;
    // What was built stays in the context on failure; ReleaseAll frees it.
    if (!BuildDistanceTable(context.sceneTableA, rows, columns)) return false;
    if (!BuildWaveTable(context.sceneTableB)) return false;
    if (!BuildPictureRows(context, picture.Get())) return false;

    return PlayFrames(
        context, window,
        [&](uint32_t t) {
            const int32_t d = window.Elapsed(t);
            const int32_t radius = d * kMaxRadius / window.dur;
            const int32_t phase = (d << 9) / window.dur;
            if (t < kDarkenFromMs || context.multiplyTable.Empty()) {
                DrawRipple<false>(context, radius, phase, nullptr);
                return;
            }
            const uint32_t fall = (t * 255u - kDarkenFromMs * 255u) / (window.endMs - kDarkenFromMs);
            const int32_t level = 255 - static_cast<int32_t>(fall);
            DrawRipple<true>(context, radius, phase, context.multiplyTable.rows[level]);
        },
        [&] {
            ClearScreen(context);
            PresentScreen(context);
            FreeRippleTables(context);
        });
}

#include "demo/scenes/picture_roles.h"

#include <algorithm>
#include <array>

#include "demo/runtime/schedule.h"
#include "demo/scenes/scene_pictures.h"
#include "demo/scenes/scene_times.h"

namespace {

namespace cg = scene_pictures;
namespace at = scene_times;

constexpr uint32_t StartOf(int32_t scene) { return SceneStartMs(scene); }
constexpr uint32_t EndOf(int32_t scene) { return kSceneEndsMs[scene]; }

constexpr PictureRole Whole(int32_t index, int32_t scene, const char* role) {
    return {index, scene, StartOf(scene), EndOf(scene), role};
}

// The scenes give a few windows as their first and last millisecond, both shown.
constexpr PictureRole Inclusive(int32_t index, int32_t scene, uint32_t firstMs, uint32_t lastMs, const char* role) {
    return {index, scene, firstMs, lastMs + 1, role};
}

// Scene 3 shows caption d * 3 / t1 at d milliseconds into its window, t1 being the time before
// the bars: caption i from the first d that reaches i.
constexpr uint32_t BackdropCaptionFromMs(int32_t caption) {
    constexpr int32_t count = static_cast<int32_t>(std::size(cg::backdrop::kCaptions));
    constexpr uint32_t start = StartOf(at::backdrop::kScene);
    constexpr int32_t length = static_cast<int32_t>(at::backdrop::kBarsFromMs - start);
    return start + static_cast<uint32_t>((caption * length + count - 1) / count);
}

// Scenes 4 and 6 switch from their first caption to their second at half (rounded down) of the
// part of the window that shows captions.
constexpr uint32_t HalfwayMs(int32_t scene, uint32_t partEndMs) {
    return StartOf(scene) + (partEndMs - StartOf(scene)) / 2;
}

constexpr PictureRole kRows[] = {
    // Scenes 0 and 1.
    Whole(cg::kOpening, at::opening::kFadeScene, "backdrop, faded in from black"),
    Whole(cg::kOpening, at::opening::kRippleScene, "backdrop, rippled"),

    // Scene 2.
    {cg::exposure::kTurning, at::exposure::kScene, StartOf(at::exposure::kScene), at::exposure::kFocusFromMs,
     "backdrop, turning"},
    Inclusive(cg::exposure::kFirstCaption, at::exposure::kScene, at::exposure::kFirstCaptionMs[0],
              at::exposure::kFirstCaptionMs[1], "caption (first)"),
    Inclusive(cg::exposure::kSecondCaption, at::exposure::kScene, at::exposure::kSecondCaptionMs[0],
              at::exposure::kSecondCaptionMs[1], "caption (second)"),
    Inclusive(cg::exposure::kThirdCaption, at::exposure::kScene, at::exposure::kThirdCaptionMs[0],
              at::exposure::kThirdCaptionMs[1], "caption (third)"),
    {cg::exposure::kClosing, at::exposure::kScene, at::exposure::kFocusFromMs, EndOf(at::exposure::kScene),
     "backdrop, blurred into focus"},

    // Scene 3.
    Whole(cg::backdrop::kBackdrop, at::backdrop::kScene, "backdrop, panning"),
    Whole(cg::backdrop::kStripeTile, at::backdrop::kScene, "texture, stripes over the backdrop"),
    Whole(cg::backdrop::kOverlay, at::backdrop::kScene, "overlay"),
    {cg::backdrop::kCaptions[0], at::backdrop::kScene, BackdropCaptionFromMs(0), BackdropCaptionFromMs(1),
     "caption (first)"},
    {cg::backdrop::kCaptions[1], at::backdrop::kScene, BackdropCaptionFromMs(1), BackdropCaptionFromMs(2),
     "caption (second)"},
    {cg::backdrop::kCaptions[2], at::backdrop::kScene, BackdropCaptionFromMs(2), at::backdrop::kBarsFromMs,
     "caption (third)"},
    {cg::backdrop::kStrip, at::backdrop::kScene, at::backdrop::kBarsFullMs, EndOf(at::backdrop::kScene),
     "caption strip between the bars"},

    // Scene 4.
    {cg::zoom_title::kZoomed, at::zoom_title::kScene, StartOf(at::zoom_title::kScene), at::zoom_title::kTitleFromMs,
     "backdrop, zoomed"},
    Whole(cg::zoom_title::kSide, at::zoom_title::kScene, "picture at the side"),
    {cg::zoom_title::kCaptions[0], at::zoom_title::kScene, StartOf(at::zoom_title::kScene),
     HalfwayMs(at::zoom_title::kScene, at::zoom_title::kTitleFromMs), "caption (first)"},
    {cg::zoom_title::kCaptions[1], at::zoom_title::kScene,
     HalfwayMs(at::zoom_title::kScene, at::zoom_title::kTitleFromMs), at::zoom_title::kTitleFromMs, "caption (second)"},
    {cg::zoom_title::kTitle, at::zoom_title::kScene, at::zoom_title::kTitleFromMs, EndOf(at::zoom_title::kScene),
     "title"},
    {cg::zoom_title::kWashShape, at::zoom_title::kScene, at::zoom_title::kWashFromMs, EndOf(at::zoom_title::kScene),
     "mask of the closing wash"},
    {cg::zoom_title::kUnused, at::zoom_title::kScene, StartOf(at::zoom_title::kScene), StartOf(at::zoom_title::kScene),
     "loaded, never drawn"},

    // Scene 5.
    Whole(cg::exposure::kClosing, at::zoom_out::kScene, "backdrop, zoomed out and wiped away"),

    // Scene 6.
    Whole(cg::spin::kScreenOverlay, at::spin::kScene, "overlay"),
    {cg::spin::kColumnTile, at::spin::kScene, StartOf(at::spin::kScene), at::spin::kColumnFadeEndMs,
     "texture, column on the right"},
    {cg::spin::kSpunUpper, at::spin::kScene, StartOf(at::spin::kScene), at::spin::kStripFromMs,
     "spinning picture (upper)"},
    {cg::spin::kSpunLower, at::spin::kScene, StartOf(at::spin::kScene), at::spin::kStripFromMs,
     "spinning picture (lower)"},
    {cg::spin::kCaptions[0], at::spin::kScene, StartOf(at::spin::kScene),
     HalfwayMs(at::spin::kScene, at::spin::kStripFromMs), "caption (first)"},
    {cg::spin::kCaptions[1], at::spin::kScene, HalfwayMs(at::spin::kScene, at::spin::kStripFromMs),
     at::spin::kStripFromMs, "caption (second)"},
    {cg::spin::kStripPattern, at::spin::kScene, at::spin::kStripFromMs, EndOf(at::spin::kScene),
     "texture, strip on the left"},
    {cg::spin::kStripOverlay, at::spin::kScene, at::spin::kStripFromMs, EndOf(at::spin::kScene),
     "overlay on the strip"},
    {cg::spin::kRight, at::spin::kScene, at::spin::kStripFromMs, EndOf(at::spin::kScene), "picture on the right"},

    // Scene 7.
    Whole(cg::reveal::kRevealed, at::reveal::kScene, "backdrop, rising into view"),
    {cg::reveal::kBottomShape, at::reveal::kScene, StartOf(at::reveal::kScene), at::reveal::kTitleFromMs,
     "mask, shadow along the bottom"},
    {cg::reveal::kEdgeOverlay, at::reveal::kScene, StartOf(at::reveal::kScene), at::reveal::kSteadyFromMs,
     "overlay at the right edge"},
    {cg::reveal::kColumnTile, at::reveal::kScene, at::reveal::kTitleFromMs, EndOf(at::reveal::kScene),
     "texture, rising column"},
    {cg::reveal::kTitle, at::reveal::kScene, at::reveal::kTitleFromMs, EndOf(at::reveal::kScene), "title"},

    // Scene 8.
    Whole(cg::tunnel::kTexture, at::tunnel::kScene, "texture of the tunnel"),
    Inclusive(cg::tunnel::kLeft, at::tunnel::kScene, at::tunnel::kLeftPulseMs[0], at::tunnel::kLeftPulseMs[2],
              "picture pulsing on the left"),
    Inclusive(cg::tunnel::kRight, at::tunnel::kScene, at::tunnel::kRightPulseMs[0], at::tunnel::kRightPulseMs[2],
              "picture pulsing on the right"),
    Inclusive(cg::tunnel::kCentred, at::tunnel::kScene, at::tunnel::kCentredPulseMs[0], at::tunnel::kCentredPulseMs[2],
              "picture pulsing in the middle"),

    // Scene 9.
    {cg::collage::kOpening, at::collage::kScene, StartOf(at::collage::kScene), at::collage::kZoomFromMs,
     "backdrop before the zoom"},
    {cg::collage::kZoomBack, at::collage::kScene, at::collage::kZoomFromMs, at::collage::kBuildFromMs,
     "backdrop, zoomed"},
    {cg::collage::kZoomFront, at::collage::kScene, at::collage::kZoomFromMs, at::collage::kBuildFromMs,
     "afterimage over the zoom"},
    {cg::collage::kShrinkingFrame, at::collage::kScene, at::collage::kZoomFromMs, at::collage::kBuildFromMs,
     "mask, shrinking frame"},
    {cg::collage::kBackground, at::collage::kScene, at::collage::kBuildFromMs, EndOf(at::collage::kScene),
     "collage, background"},
    {cg::collage::kLeft, at::collage::kScene, at::collage::kBuildFromMs, EndOf(at::collage::kScene),
     "collage, left part"},
    {cg::collage::kRight, at::collage::kScene, at::collage::kBuildFromMs, EndOf(at::collage::kScene),
     "collage, right part"},

    // Scene 11.
    {cg::closing::kTall, at::closing::kScene, StartOf(at::closing::kScene), at::closing::kClosingFromMs,
     "backdrop, scrolling up"},
    {cg::closing::kClosing, at::closing::kScene, at::closing::kClosingFromMs, EndOf(at::closing::kScene),
     "closing picture"},
};

constexpr bool ByIndexThenTime(const PictureRole& a, const PictureRole& b) {
    return a.index != b.index ? a.index < b.index : a.shownFromMs < b.shownFromMs;
}

constexpr auto kSorted = [] {
    std::array<PictureRole, std::size(kRows)> rows{};
    std::copy(std::begin(kRows), std::end(kRows), rows.begin());
    std::sort(rows.begin(), rows.end(), ByIndexThenTime);
    return rows;
}();

// Every picture the scenes load has a row, and every row a picture they load.
constexpr bool CoversTheLoadedPictures() {
    for (const int32_t index : cg::kLoaded) {
        if (std::none_of(kSorted.begin(), kSorted.end(), [&](const PictureRole& row) { return row.index == index; }))
            return false;
    }
    return std::all_of(kSorted.begin(), kSorted.end(), [](const PictureRole& row) {
        return std::find(std::begin(cg::kLoaded), std::end(cg::kLoaded), row.index) != std::end(cg::kLoaded) &&
               row.shownFromMs >= StartOf(row.scene) && row.shownToMs <= EndOf(row.scene) &&
               row.shownFromMs <= row.shownToMs;
    });
}
static_assert(CoversTheLoadedPictures());

}  // namespace

std::span<const PictureRole> PictureRoles() { return kSorted; }

std::span<const PictureRole> PictureRolesOf(int32_t index) {
    const auto [first, last] =
        std::equal_range(kSorted.begin(), kSorted.end(), PictureRole{index, 0, 0, 0, nullptr},
                         [](const PictureRole& a, const PictureRole& b) { return a.index < b.index; });
    return {first, last};
}

const PictureRole* FindPictureRole(int32_t index) {
    const std::span<const PictureRole> rows = PictureRolesOf(index);
    return rows.empty() ? nullptr : &rows.front();
}

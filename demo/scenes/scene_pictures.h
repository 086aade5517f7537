#pragma once

#include <cstdint>

// The archive index of every picture the scenes load, scene by scene: the scenes load them by
// these names, the sample-set generator puts its pictures under them, and its test checks what
// each scene needs of them.
namespace scene_pictures {

// Scenes 0 and 1: faded in, then rippled.
inline constexpr int32_t kOpening = 12;

namespace exposure {                     // scene 2
inline constexpr int32_t kClosing = 33;  // the last frame; scene 5 wipes it away
inline constexpr int32_t kTurning = 36;
inline constexpr int32_t kFirstCaption = 22;
inline constexpr int32_t kSecondCaption = 25;
inline constexpr int32_t kThirdCaption = 24;
}  // namespace exposure

namespace backdrop {  // scene 3
inline constexpr int32_t kStrip = 17;
inline constexpr int32_t kBackdrop = 20;
inline constexpr int32_t kStripeTile = 13;
inline constexpr int32_t kOverlay = 19;
inline constexpr int32_t kCaptions[3] = {38, 39, 40};
}  // namespace backdrop

namespace zoom_title {  // scene 4
inline constexpr int32_t kTitle = 18;
inline constexpr int32_t kWashShape = 15;
inline constexpr int32_t kZoomed = 37;
inline constexpr int32_t kUnused = 34;  // loaded and released, never drawn
inline constexpr int32_t kSide = 7;
inline constexpr int32_t kCaptions[2] = {41, 42};
}  // namespace zoom_title

namespace spin {  // scene 6
inline constexpr int32_t kStripOverlay = 5;
inline constexpr int32_t kStripPattern = 9;
inline constexpr int32_t kRight = 28;
inline constexpr int32_t kColumnTile = 31;
inline constexpr int32_t kSpunLower = 23;
inline constexpr int32_t kSpunUpper = 26;
inline constexpr int32_t kScreenOverlay = 29;
inline constexpr int32_t kCaptions[2] = {43, 44};
}  // namespace spin

namespace reveal {  // scene 7
inline constexpr int32_t kColumnTile = 21;
inline constexpr int32_t kBottomShape = 27;
inline constexpr int32_t kRevealed = 47;
inline constexpr int32_t kEdgeOverlay = 30;
inline constexpr int32_t kTitle = 45;
}  // namespace reveal

namespace tunnel {  // scene 8
inline constexpr int32_t kTexture = 35;
inline constexpr int32_t kCentred = 10;
inline constexpr int32_t kLeft = 14;
inline constexpr int32_t kRight = 11;
}  // namespace tunnel

namespace collage {  // scene 9
inline constexpr int32_t kLeft = 49;
inline constexpr int32_t kRight = 48;
inline constexpr int32_t kBackground = 46;
inline constexpr int32_t kShrinkingFrame = 58;
inline constexpr int32_t kZoomBack = 54;
inline constexpr int32_t kZoomFront = 55;
inline constexpr int32_t kOpening = 51;
}  // namespace collage

namespace closing {  // scene 11
inline constexpr int32_t kClosing = 0;
inline constexpr int32_t kTall = 50;
}  // namespace closing

// Every index above, once each.
inline constexpr int32_t kLoaded[] = {kOpening,
                                      exposure::kClosing,
                                      exposure::kTurning,
                                      exposure::kFirstCaption,
                                      exposure::kSecondCaption,
                                      exposure::kThirdCaption,
                                      backdrop::kStrip,
                                      backdrop::kBackdrop,
                                      backdrop::kStripeTile,
                                      backdrop::kOverlay,
                                      backdrop::kCaptions[0],
                                      backdrop::kCaptions[1],
                                      backdrop::kCaptions[2],
                                      zoom_title::kTitle,
                                      zoom_title::kWashShape,
                                      zoom_title::kZoomed,
                                      zoom_title::kUnused,
                                      zoom_title::kSide,
                                      zoom_title::kCaptions[0],
                                      zoom_title::kCaptions[1],
                                      spin::kStripOverlay,
                                      spin::kStripPattern,
                                      spin::kRight,
                                      spin::kColumnTile,
                                      spin::kSpunLower,
                                      spin::kSpunUpper,
                                      spin::kScreenOverlay,
                                      spin::kCaptions[0],
                                      spin::kCaptions[1],
                                      reveal::kColumnTile,
                                      reveal::kBottomShape,
                                      reveal::kRevealed,
                                      reveal::kEdgeOverlay,
                                      reveal::kTitle,
                                      tunnel::kTexture,
                                      tunnel::kCentred,
                                      tunnel::kLeft,
                                      tunnel::kRight,
                                      collage::kLeft,
                                      collage::kRight,
                                      collage::kBackground,
                                      collage::kShrinkingFrame,
                                      collage::kZoomBack,
                                      collage::kZoomFront,
                                      collage::kOpening,
                                      closing::kClosing,
                                      closing::kTall};

// One more than the highest index a scene loads: the least number of entries an archive holds.
inline constexpr int32_t kIndexCount = [] {
    int32_t highest = 0;
    for (const int32_t index : kLoaded) highest = index > highest ? index : highest;
    return highest + 1;
}();

}  // namespace scene_pictures

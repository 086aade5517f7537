#pragma once

#include <cstdint>

// The moments of music time inside each scene's window at which the scene changes what it draws:
// the scenes draw by them and the table of picture roles says from them when each picture is on
// the screen, so each moment is written once. The namespaces follow scene_pictures.h; the
// windows themselves are runtime/schedule.h's.
namespace scene_times {

namespace opening {  // scenes 0 and 1
inline constexpr int32_t kFadeScene = 0;
inline constexpr int32_t kRippleScene = 1;
}  // namespace opening

namespace exposure {  // scene 2
inline constexpr int32_t kScene = 2;
// The turning exposures give way to the closing picture, blurred into focus.
inline constexpr uint32_t kFocusFromMs = 19399;
// Each caption is shown from the first time to the second, both included.
inline constexpr uint32_t kFirstCaptionMs[2] = {13647, 14572};
inline constexpr uint32_t kSecondCaptionMs[2] = {15483, 16492};
inline constexpr uint32_t kThirdCaptionMs[2] = {17468, 18394};
}  // namespace exposure

namespace backdrop {  // scene 3
inline constexpr int32_t kScene = 3;
// The captions give way to the letterbox bars, which close until the second time; the strip
// shows between the closed bars.
inline constexpr uint32_t kBarsFromMs = 25897;
inline constexpr uint32_t kBarsFullMs = 26066;
}  // namespace backdrop

namespace zoom_title {  // scene 4
inline constexpr int32_t kScene = 4;
inline constexpr uint32_t kTitleFromMs = 31250;  // end of the zoom
inline constexpr uint32_t kDarkenFromMs = 30750;
inline constexpr uint32_t kTitleFullMs = 32500;
inline constexpr uint32_t kWashFromMs = 33184;
}  // namespace zoom_title

namespace zoom_out {  // scene 5
inline constexpr int32_t kScene = 5;
}  // namespace zoom_out

namespace spin {  // scene 6
inline constexpr int32_t kScene = 6;
// The spinning pictures give way to the strip; the column tile fades out until the second time.
inline constexpr uint32_t kStripFromMs = 46451;
inline constexpr uint32_t kColumnFadeEndMs = 49000;
}  // namespace spin

namespace reveal {  // scene 7
inline constexpr int32_t kScene = 7;
inline constexpr uint32_t kCrossFadeFromMs = 52500;
inline constexpr uint32_t kTitleFromMs = 53414;
inline constexpr uint32_t kSteadyFromMs = 54000;
}  // namespace reveal

namespace tunnel {  // scene 8
inline constexpr int32_t kScene = 8;
// The pulses of the three pictures, each from its first time to its last, both included, with
// its peak between.
inline constexpr uint32_t kLeftPulseMs[3] = {57171, 57804, 58436};
inline constexpr uint32_t kRightPulseMs[3] = {58437, 58881, 59324};
inline constexpr uint32_t kCentredPulseMs[3] = {59325, 60106, 60886};
}  // namespace tunnel

namespace collage {  // scene 9
inline constexpr int32_t kScene = 9;
inline constexpr uint32_t kZoomFromMs = 61100;
inline constexpr uint32_t kBuildFromMs = 63371;  // end of the zoom
inline constexpr uint32_t kLeftPartFromMs = 63699;
inline constexpr uint32_t kRightPartFromMs = 64031;
}  // namespace collage

namespace closing {  // scene 11
inline constexpr int32_t kScene = 11;
// The tall picture scrolls up until then; the closing picture stays to the end.
inline constexpr uint32_t kClosingFromMs = 117721;
}  // namespace closing

}  // namespace scene_times

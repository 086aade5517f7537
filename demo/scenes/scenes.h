#pragma once

#include <cstdint>

struct DemoContext;

// The twelve scenes of the timeline, in schedule order. Each plays its own window of music time:
// true when the window is over and the timeline goes on, false when the demo must end.
bool PlayFadeIn(DemoContext& context);            // 0
bool PlayRipple(DemoContext& context);            // 1
bool PlayRotatingExposure(DemoContext& context);  // 2
bool PlayPanningBackdrop(DemoContext& context);   // 3
bool PlayZoomAndTitle(DemoContext& context);      // 4
bool PlayZoomOutAndWipe(DemoContext& context);    // 5
bool PlaySpinningPictures(DemoContext& context);  // 6
bool PlayRisingReveal(DemoContext& context);      // 7
bool PlayTunnel(DemoContext& context);            // 8
bool PlayZoomCollage(DemoContext& context);       // 9
bool PlayMovie(DemoContext& context);             // 10
bool PlayClosingScroll(DemoContext& context);     // 11

// Counts the frames of the rotating exposure across the whole life of the library; its low bit
// picks the field that the interlaced draws refresh.
int32_t& FrameParity();

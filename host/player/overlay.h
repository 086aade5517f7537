#pragma once

#include <cstdint>
#include <string>

namespace player {

// The overlay's line: "12.345 s  scene 7  60 fps" ("scene -" between the scenes).
std::string OverlayText(uint32_t musicMs, int scene, double fps);

// Draws the line small in the top-left corner of a 24-bit picture: white on a band darkened to a
// quarter, so that it reads over the brightest scene and hides little of it.
void DrawOverlay(uint8_t* pixels, int width, int height, int pitch, const std::string& text);

}  // namespace player

#include "host/player/overlay.h"

#include <algorithm>
#include <cstdio>

#include "host/player/bitmap_font.h"

namespace player {
namespace {

constexpr int kScale = 2;    // 10 x 14 pixels a character on the 640 x 480 screen
constexpr int kMargin = 6;   // from the picture's edges
constexpr int kPadding = 4;  // around the text, inside the band

}  // namespace

std::string OverlayText(uint32_t musicMs, int scene, double fps) {
    char text[96];
    const std::string sceneText = scene < 0 ? std::string("-") : std::to_string(scene);
    std::snprintf(text, sizeof text, "%u.%03u s  scene %s  %.0f fps", musicMs / 1000, musicMs % 1000, sceneText.c_str(),
                  fps);
    return text;
}

void DrawOverlay(uint8_t* pixels, int width, int height, int pitch, const std::string& text) {
    const int right = std::min(width, kMargin + TextWidth(text.c_str(), kScale) + 2 * kPadding);
    const int bottom = std::min(height, kMargin + 7 * kScale + 2 * kPadding);
    for (int y = kMargin; y < bottom; ++y) {
        uint8_t* row = pixels + static_cast<size_t>(y) * pitch;
        for (int x = kMargin * 3; x < right * 3; ++x) row[x] = static_cast<uint8_t>(row[x] / 4);
    }
    DrawText(pixels, width, height, pitch, kMargin + kPadding, kMargin + kPadding, text.c_str(), kScale, 255, 255, 255);
}

}  // namespace player

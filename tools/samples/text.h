#pragma once

#include <string>

#include "canvas.h"

namespace samples {

// Renders UTF-8 text with a font file into a shape plane: the glyphs' anti-aliased coverage,
// tightly cropped plus `padding` pixels on every side. An empty plane when the font cannot be
// loaded or the text has no glyphs.
Plane RenderText(const char* fontPath, const std::string& utf8, int32_t pixelSize, int32_t padding = 4,
                 float letterSpacing = 0.0f);

// Grows a shape by `radius` pixels (a soft outline or glow for titles).
Plane Dilate(const Plane& shape, int32_t radius);

// Font files from Debian's font packages (fonts-dejavu-core, fonts-noto-cjk).
inline constexpr const char* kLatinFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline constexpr const char* kSerifFont = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
inline constexpr const char* kJapaneseFont = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc";

}  // namespace samples

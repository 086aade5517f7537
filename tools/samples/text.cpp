#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <vector>

namespace samples {
namespace {

std::vector<char32_t> DecodeUtf8(const std::string& text) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        if (i + extra >= text.size()) break;
        for (int k = 1; k <= extra; ++k) code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(code);
        i += 1 + extra;
    }
    return out;
}

// Owns the FreeType library and one face for the duration of a rendering.
class Face {
public:
    Face(const char* path, int32_t pixelSize) {
        if (FT_Init_FreeType(&library_) != 0) return;
        if (FT_New_Face(library_, path, 0, &face_) != 0) return;
        ok_ = FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize)) == 0;
    }
    ~Face() {
        if (face_) FT_Done_Face(face_);
        if (library_) FT_Done_FreeType(library_);
    }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    bool Ok() const { return ok_; }
    FT_Face Get() const { return face_; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    bool ok_ = false;
};

struct GlyphImage {
    int32_t left, top, width, rows;
    std::vector<uint8_t> coverage;
};

}  // namespace

Plane RenderText(const char* fontPath, const std::string& utf8, int32_t pixelSize, int32_t padding,
                 float letterSpacing) {
    Face face(fontPath, pixelSize);
    if (!face.Ok()) return {};
    std::vector<GlyphImage> glyphs;
    float pen = 0.0f;
    int32_t minX = INT32_MAX, maxX = INT32_MIN, minY = INT32_MAX, maxY = INT32_MIN;
    for (char32_t code : DecodeUtf8(utf8)) {
        if (FT_Load_Char(face.Get(), code, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot slot = face.Get()->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        GlyphImage glyph{static_cast<int32_t>(std::lround(pen)) + slot->bitmap_left,
                         -slot->bitmap_top,
                         static_cast<int32_t>(bitmap.width),
                         static_cast<int32_t>(bitmap.rows),
                         {}};
        glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.rows);
        for (int32_t r = 0; r < glyph.rows; ++r)
            for (int32_t c = 0; c < glyph.width; ++c)
                glyph.coverage[static_cast<size_t>(r) * glyph.width + c] = bitmap.buffer[r * bitmap.pitch + c];
        if (glyph.width > 0 && glyph.rows > 0) {
            minX = std::min(minX, glyph.left);
            maxX = std::max(maxX, glyph.left + glyph.width);
            minY = std::min(minY, glyph.top);
            maxY = std::max(maxY, glyph.top + glyph.rows);
        }
        pen += slot->advance.x / 64.0f + letterSpacing;
        glyphs.push_back(std::move(glyph));
    }
    if (minX > maxX) return {};
    Plane plane(maxX - minX + 2 * padding, maxY - minY + 2 * padding);
    for (const GlyphImage& g : glyphs)
        for (int32_t r = 0; r < g.rows; ++r)
            for (int32_t c = 0; c < g.width; ++c)
                plane.Max(g.left - minX + padding + c, g.top - minY + padding + r,
                          g.coverage[static_cast<size_t>(r) * g.width + c] / 255.0f);
    return plane;
}

Plane Dilate(const Plane& shape, int32_t radius) {
    Plane out(shape.width, shape.height);
    for (int32_t y = 0; y < shape.height; ++y)
        for (int32_t x = 0; x < shape.width; ++x) {
            const float v = shape.At(x, y);
            if (v <= 0.0f) continue;
            for (int32_t dy = -radius; dy <= radius; ++dy)
                for (int32_t dx = -radius; dx <= radius; ++dx) {
                    const float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                    if (d <= radius + 0.5f) out.Max(x + dx, y + dy, v * std::min(1.0f, radius + 1.0f - d));
                }
        }
    return out;
}

}  // namespace samples

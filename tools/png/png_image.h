#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tools {

// The colour types a PNG file can store its pixels in.
enum class PngColourType : uint8_t { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgba = 6 };

// A decoded PNG picture. Whatever the file stored, rgba holds every pixel as red, green, blue and
// alpha, 8 bits each, top row first; palette pictures also keep their indices and palette as
// stored, since an index picture means its indices, not only its colours.
struct PngImage {
    int32_t width = 0;
    int32_t height = 0;
    PngColourType colourType = PngColourType::kRgb;
    int bitDepth = 8;
    bool hasAlpha = false;         // an alpha channel, or a transparency chunk
    std::vector<uint8_t> rgba;     // 4 bytes a pixel
    std::vector<uint8_t> indices;  // palette pictures: one index a pixel
    std::vector<uint8_t> palette;  // palette pictures: red, green, blue of every entry
};

// Reads a whole PNG file: every colour type and bit depth, interlaced or not, checking every
// chunk's CRC and the picture data's own checksum. False with a short reason for anything else.
bool DecodePng(const uint8_t* data, size_t size, PngImage* image, std::string* error);

// The largest picture either side accepts, in pixels per side and in all.
inline constexpr int32_t kPngMaxSide = 32768;
inline constexpr uint64_t kPngMaxPixels = uint64_t{1} << 26;

// What to write: width x height pixels of the given type (8 bits a sample; kRgb 3 bytes a pixel,
// kRgba 4, kGrey and kPalette 1), top row first, rows packed. Palette pictures name their
// palette: red, green, blue of 1 to 256 entries.
struct PngPixels {
    int32_t width = 0;
    int32_t height = 0;
    PngColourType colourType = PngColourType::kRgb;
    const uint8_t* samples = nullptr;
    const uint8_t* palette = nullptr;
    int paletteEntries = 0;
};

// How rows are filtered before compression: not at all (fast, and what the renderer's frames
// have always been), or the filter that suits each row best (smaller files for pictures).
enum class PngFilter { kNone, kAdaptive };

// The whole file; empty when the description is inconsistent or compression fails.
std::vector<uint8_t> EncodePng(const PngPixels& pixels, PngFilter filter, int compressionLevel);

}  // namespace tools

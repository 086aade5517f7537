#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// PNG files in and out, through libspng: the asset tool's pictures and movie frames, the
// renderer's frames and contact sheets, the player's screenshots and the package's icon.
namespace png {

// The colour types a PNG file can store its pixels in.
enum class ColourType : uint8_t { kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgba = 6 };

// The largest picture read or written, in pixels a side and in all.
inline constexpr int32_t kMaxSide = 32768;
inline constexpr uint64_t kMaxPixels = uint64_t{1} << 26;

// A decoded picture. Whatever the file stored, rgba holds every pixel as red, green, blue and
// alpha, 8 bits each, top row first; palette pictures also keep their indices and palette as
// stored, since an index picture means its indices, not only its colours.
struct Image {
    int32_t width = 0;
    int32_t height = 0;
    ColourType colourType = ColourType::kRgb;
    int bitDepth = 8;
    bool hasAlpha = false;         // an alpha channel, or a transparency chunk
    std::vector<uint8_t> rgba;     // 4 bytes a pixel
    std::vector<uint8_t> indices;  // palette pictures: one index a pixel
    std::vector<uint8_t> palette;  // palette pictures: red, green, blue of every entry
};

// Reads a whole file of any colour type and bit depth a picture editor writes, interlaced or not,
// with every checksum checked and up to its end chunk. False with a short reason for anything else.
bool Decode(const uint8_t* data, size_t size, Image* image, std::string* error);

// What to write: width x height pixels of the given type, 8 bits a sample (kRgb 3 bytes a pixel,
// kRgba 4, kGreyAlpha 2, kGrey and kPalette 1), top row first, rows packed. Palette pictures
// name their palette: red, green, blue of 1 to 256 entries.
struct Pixels {
    int32_t width = 0;
    int32_t height = 0;
    ColourType colourType = ColourType::kRgb;
    const uint8_t* samples = nullptr;
    const uint8_t* palette = nullptr;
    int paletteEntries = 0;
};

// How rows are filtered before compression: not at all (fast, for frames by the thousand), or
// the filter that suits each row best (smaller files for pictures).
enum class Filter { kNone, kAdaptive };

// The whole file; empty when the description is inconsistent or encoding fails.
std::vector<uint8_t> Encode(const Pixels& pixels, Filter filter, int compressionLevel);

// A frame as the host's screen holds it (blue, green, red; top row first; rows pitch bytes
// apart) written to path as an RGB file, whole or not at all (platform::WriteFileReplacing).
bool WriteBgrFrame(const char* path, const uint8_t* pixels, int32_t width, int32_t height, int32_t pitch);

}  // namespace png

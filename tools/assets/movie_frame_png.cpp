#include "tools/assets/movie_frame_png.h"

#include <unordered_map>

namespace assetkit {
namespace {

uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | b;
}

// The colour of palette entry i of a frame (stored blue, green, red, unused).
uint32_t FrameColour(const std::array<uint8_t, kFramePaletteBytes>& palette, uint8_t i) {
    return Rgb(palette[4 * i + 2], palette[4 * i + 1], palette[4 * i]);
}

}  // namespace

std::vector<uint8_t> FrameToPng(FrameSize size, const uint8_t* indices,
                                const std::array<uint8_t, kFramePaletteBytes>& palette) {
    std::array<uint8_t, 768> rgb{};
    for (int i = 0; i < 256; ++i) {
        rgb[3 * i] = palette[4 * i + 2];
        rgb[3 * i + 1] = palette[4 * i + 1];
        rgb[3 * i + 2] = palette[4 * i];
    }
    const png::Pixels pixels{size.width, size.height, png::ColourType::kPalette, indices, rgb.data(), 256};
    // Thousands of frames: a quick level, and palette pictures gain nothing from filters.
    return png::Encode(pixels, png::Filter::kNone, 3);
}

bool ShowsFrame(const png::Image& image, const uint8_t* indices,
                const std::array<uint8_t, kFramePaletteBytes>& palette) {
    const size_t pixels = image.rgba.size() / 4;
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* p = &image.rgba[4 * i];
        if (Rgb(p[0], p[1], p[2]) != FrameColour(palette, indices[i])) return false;
    }
    return true;
}

bool FrameFromPng(const png::Image& image, const std::array<uint8_t, kFramePaletteBytes>* keep,
                  std::vector<uint8_t>* indices, tools::Palette* palette, std::string* error) {
    const size_t pixels = image.rgba.size() / 4;
    for (size_t i = 0; i < pixels; ++i) {
        if (image.rgba[4 * i + 3] != 255) {
            *error = "has transparent pixels, but movie frames have none";
            return false;
        }
    }
    *palette = {};
    if (image.colourType == png::ColourType::kPalette) {
        *indices = image.indices;
        for (size_t i = 0; i < image.palette.size() / 3; ++i) {
            (*palette)[i] = {image.palette[3 * i + 2], image.palette[3 * i + 1], image.palette[3 * i], 0};
        }
        return true;
    }
    std::unordered_map<uint32_t, uint8_t> byColour;
    if (keep != nullptr) {
        for (int i = 255; i >= 0; --i) byColour[FrameColour(*keep, static_cast<uint8_t>(i))] = static_cast<uint8_t>(i);
    }
    indices->resize(pixels);
    bool kept = keep != nullptr;
    for (size_t i = 0; i < pixels && kept; ++i) {
        const auto found = byColour.find(Rgb(image.rgba[4 * i], image.rgba[4 * i + 1], image.rgba[4 * i + 2]));
        kept = found != byColour.end();
        if (kept) (*indices)[i] = found->second;
    }
    if (kept) {
        for (int i = 0; i < 256; ++i)
            (*palette)[i] = {(*keep)[4 * i], (*keep)[4 * i + 1], (*keep)[4 * i + 2], (*keep)[4 * i + 3]};
        return true;
    }
    byColour.clear();
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* p = &image.rgba[4 * i];
        const auto [entry, added] = byColour.try_emplace(Rgb(p[0], p[1], p[2]), static_cast<uint8_t>(byColour.size()));
        if (added && byColour.size() > 256) {
            *error = "has more than 256 colours, but movie frames are 8-bit";
            return false;
        }
        if (added) (*palette)[entry->second] = {p[2], p[1], p[0], 0};
        (*indices)[i] = entry->second;
    }
    return true;
}

}  // namespace assetkit

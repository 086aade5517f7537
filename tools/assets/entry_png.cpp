#include "tools/assets/entry_png.h"

#include <unordered_map>

#include "pms_file.h"

namespace assetkit {
namespace {

uint32_t Rgb(const uint8_t* p) { return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2]; }

std::string Size(int32_t width, int32_t height) { return std::to_string(width) + " x " + std::to_string(height); }

bool Fail(std::string* error, std::string reason) {
    *error = std::move(reason);
    return false;
}

bool AnyTransparent(const png::Image& image) {
    for (size_t i = 3; i < image.rgba.size(); i += 4) {
        if (image.rgba[i] != 255) return true;
    }
    return false;
}

// 8-bit entries keep their palette: every colour must be one of it. A pixel keeps its index
// when the PNG stores it with the same colour there, so palettes that repeat a colour survive.
bool ValuesFromPng(const png::Image& image, const EntryPicture& entry, EntryPicture* picture, std::string* error) {
    std::unordered_map<uint32_t, uint8_t> byColour;
    for (int i = 255; i >= 0; --i) byColour[Rgb(&entry.palette[3 * i])] = static_cast<uint8_t>(i);
    const size_t pixels = image.rgba.size() / 4;
    picture->values.resize(pixels);
    for (size_t i = 0; i < pixels; ++i) {
        const uint32_t colour = Rgb(&image.rgba[4 * i]);
        if (!image.indices.empty() && Rgb(&entry.palette[3 * image.indices[i]]) == colour) {
            picture->values[i] = image.indices[i];
            continue;
        }
        const auto found = byColour.find(colour);
        if (found == byColour.end()) {
            std::unordered_map<uint32_t, bool> distinct;
            for (size_t j = 0; j < pixels && distinct.size() <= 256; ++j) distinct[Rgb(&image.rgba[4 * j])] = true;
            if (distinct.size() > 256)
                return Fail(error, "has more than 256 colours, but the entry is an 8-bit picture");
            const auto x = static_cast<int32_t>(i % static_cast<size_t>(image.width));
            const auto y = static_cast<int32_t>(i / static_cast<size_t>(image.width));
            return Fail(error, "the colour at " + std::to_string(x) + ", " + std::to_string(y) +
                                   " is not in the palette of the 8-bit entry, which must be kept");
        }
        picture->values[i] = found->second;
    }
    picture->palette = entry.palette;
    return true;
}

}  // namespace

std::vector<uint8_t> EntryToPng(const EntryPicture& picture) {
    const size_t pixels = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
    png::Pixels out{picture.width, picture.height, png::ColourType::kRgb, picture.rgb.data(), nullptr, 0};
    std::vector<uint8_t> rgba;
    if (picture.format == EntryFormat::kPms8) {
        out.colourType = png::ColourType::kPalette;
        out.samples = picture.values.data();
        out.palette = picture.palette.data();
        out.paletteEntries = 256;
    } else if (picture.format == EntryFormat::kPms16Alpha) {
        rgba.resize(pixels * 4);
        for (size_t i = 0; i < pixels; ++i) {
            rgba[4 * i] = picture.rgb[3 * i];
            rgba[4 * i + 1] = picture.rgb[3 * i + 1];
            rgba[4 * i + 2] = picture.rgb[3 * i + 2];
            rgba[4 * i + 3] = picture.alpha[i];
        }
        out.colourType = png::ColourType::kRgba;
        out.samples = rgba.data();
    }
    return png::Encode(out, png::Filter::kAdaptive, 6);
}

bool PictureFromPng(const png::Image& image, const EntryPicture& entry, bool allowResize, const char* resizeHint,
                    EntryPicture* picture, std::string* error) {
    if ((image.width != entry.width || image.height != entry.height) && !allowResize) {
        return Fail(error, "is " + Size(image.width, image.height) + ", but the entry is " +
                               Size(entry.width, entry.height) + " (the scenes rely on sizes" + resizeHint + ")");
    }
    const bool entryHasAlpha = entry.format == EntryFormat::kPms16Alpha;
    if (entryHasAlpha && !image.hasAlpha) return Fail(error, "has no alpha channel, but the entry has one");
    if (!entryHasAlpha && AnyTransparent(image))
        return Fail(error, "has transparent pixels, but the entry has no alpha channel");

    EntryPicture made;
    made.format = entry.format;
    made.width = image.width;
    made.height = image.height;
    if (entry.format == EntryFormat::kPms8) {
        if (!ValuesFromPng(image, entry, &made, error)) return false;
        *picture = std::move(made);
        return true;
    }
    const size_t pixels = image.rgba.size() / 4;
    made.rgb.resize(pixels * 3);
    if (entryHasAlpha) made.alpha.resize(pixels);
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* in = &image.rgba[4 * i];
        uint8_t* out = &made.rgb[3 * i];
        if (entry.format == EntryFormat::kBmp24) {
            out[0] = in[0], out[1] = in[1], out[2] = in[2];
        } else {  // what 5-6-5 keeps of the colour, as the decoder will show it
            const tools::Bgr shown = tools::ExpandRgb565(tools::PackRgb565(in[0], in[1], in[2]));
            out[0] = shown.r, out[1] = shown.g, out[2] = shown.b;
        }
        if (entryHasAlpha) made.alpha[i] = in[3];
    }
    *picture = std::move(made);
    return true;
}

}  // namespace assetkit

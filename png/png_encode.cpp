#include <cstdlib>
#include <memory>

#include "platform/file_write.h"
#include "png/png_file.h"
#include "png/spng_context.h"

namespace png {
namespace {

int SamplesPerPixel(ColourType type) {
    switch (type) {
        case ColourType::kGrey:
        case ColourType::kPalette:
            return 1;
        case ColourType::kGreyAlpha:
            return 2;
        case ColourType::kRgb:
            return 3;
        case ColourType::kRgba:
            return 4;
    }
    return 0;
}

bool Describable(const Pixels& pixels) {
    if (pixels.width <= 0 || pixels.height <= 0 || pixels.width > kMaxSide || pixels.height > kMaxSide) return false;
    if (static_cast<uint64_t>(pixels.width) * static_cast<uint64_t>(pixels.height) > kMaxPixels) return false;
    if (pixels.samples == nullptr || SamplesPerPixel(pixels.colourType) == 0) return false;
    if (pixels.colourType == ColourType::kPalette) {
        return pixels.palette != nullptr && pixels.paletteEntries >= 1 && pixels.paletteEntries <= 256;
    }
    return true;
}

struct FreeBuffer {
    void operator()(void* buffer) const { std::free(buffer); }
};

}  // namespace

std::vector<uint8_t> Encode(const Pixels& pixels, Filter filter, int compressionLevel) {
    if (!Describable(pixels)) return {};
    detail::SpngContext context(SPNG_CTX_ENCODER);
    spng_ctx* ctx = context.Get();
    if (ctx == nullptr) return {};
    spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
    spng_set_option(ctx, SPNG_IMG_COMPRESSION_LEVEL, compressionLevel);
    spng_set_option(ctx, SPNG_FILTER_CHOICE,
                    filter == Filter::kAdaptive ? SPNG_FILTER_CHOICE_ALL : SPNG_DISABLE_FILTERING);
    spng_ihdr header{static_cast<uint32_t>(pixels.width),
                     static_cast<uint32_t>(pixels.height),
                     8,
                     static_cast<uint8_t>(pixels.colourType),
                     0,
                     0,
                     0};
    if (spng_set_ihdr(ctx, &header) != 0) return {};
    if (pixels.colourType == ColourType::kPalette) {
        spng_plte plte{};
        plte.n_entries = static_cast<uint32_t>(pixels.paletteEntries);
        for (int i = 0; i < pixels.paletteEntries; ++i) {
            plte.entries[i] = {pixels.palette[3 * i], pixels.palette[3 * i + 1], pixels.palette[3 * i + 2], 0};
        }
        if (spng_set_plte(ctx, &plte) != 0) return {};
    }
    const size_t size = static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height) *
                        static_cast<size_t>(SamplesPerPixel(pixels.colourType));
    if (spng_encode_image(ctx, pixels.samples, size, SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE) != 0) return {};
    size_t length = 0;
    int code = 0;
    const std::unique_ptr<void, FreeBuffer> file(spng_get_png_buffer(ctx, &length, &code));
    if (file == nullptr || code != 0) return {};
    const auto* bytes = static_cast<const uint8_t*>(file.get());
    return std::vector<uint8_t>(bytes, bytes + length);
}

bool WriteBgrFrame(const char* path, const uint8_t* pixels, int32_t width, int32_t height, int32_t pitch) {
    if (path == nullptr || pixels == nullptr || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxPixels || pitch / 3 < width) {
        return false;
    }
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * 3 * static_cast<size_t>(height));
    uint8_t* out = rgb.data();
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* in = pixels + static_cast<ptrdiff_t>(y) * pitch;
        for (int32_t x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    // Unfiltered, as frames have always been: a render writes thousands, where speed counts more
    // than size.
    const std::vector<uint8_t> file = Encode({width, height, ColourType::kRgb, rgb.data()}, Filter::kNone, 6);
    return !file.empty() && platform::WriteFileReplacing(path, file.data(), file.size());
}

}  // namespace png

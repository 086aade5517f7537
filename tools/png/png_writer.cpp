#include <zlib.h>

#include <algorithm>
#include <cstdlib>

#include "tools/png/png_chunks.h"
#include "tools/png/png_image.h"

namespace tools {
namespace {

using png::RowFilter;

int SamplesPerPixel(PngColourType type) {
    switch (type) {
        case PngColourType::kGrey:
        case PngColourType::kPalette:
            return 1;
        case PngColourType::kGreyAlpha:
            return 2;
        case PngColourType::kRgb:
            return 3;
        case PngColourType::kRgba:
            return 4;
    }
    return 0;
}

// Writes row y filtered with filter into out (filter byte first).
void FilterRow(const uint8_t* row, const uint8_t* above, size_t rowBytes, int bpp, RowFilter filter, uint8_t* out) {
    *out++ = static_cast<uint8_t>(filter);
    for (size_t i = 0; i < rowBytes; ++i) {
        const uint8_t a = i >= static_cast<size_t>(bpp) ? row[i - bpp] : 0;
        const uint8_t b = above != nullptr ? above[i] : 0;
        const uint8_t c = above != nullptr && i >= static_cast<size_t>(bpp) ? above[i - bpp] : 0;
        out[i] = static_cast<uint8_t>(row[i] - png::Predict(filter, a, b, c));
    }
}

// The usual choice: the filter whose output bytes, read as signed, sum to the least.
uint64_t Cost(const uint8_t* filtered, size_t rowBytes) {
    uint64_t sum = 0;
    for (size_t i = 0; i < rowBytes; ++i) sum += static_cast<uint64_t>(std::abs(static_cast<int8_t>(filtered[i])));
    return sum;
}

std::vector<uint8_t> FilteredRows(const PngPixels& pixels, PngFilter strategy) {
    const int bpp = SamplesPerPixel(pixels.colourType);
    const size_t rowBytes = static_cast<size_t>(pixels.width) * static_cast<size_t>(bpp);
    std::vector<uint8_t> out((rowBytes + 1) * static_cast<size_t>(pixels.height));
    std::vector<uint8_t> trial(rowBytes + 1);
    for (int32_t y = 0; y < pixels.height; ++y) {
        const uint8_t* row = pixels.samples + rowBytes * static_cast<size_t>(y);
        const uint8_t* above = y > 0 ? row - rowBytes : nullptr;
        uint8_t* target = out.data() + (rowBytes + 1) * static_cast<size_t>(y);
        FilterRow(row, above, rowBytes, bpp, RowFilter::kNone, target);
        if (strategy == PngFilter::kNone) continue;
        uint64_t best = Cost(target + 1, rowBytes);
        for (RowFilter filter : {RowFilter::kSub, RowFilter::kUp, RowFilter::kAverage, RowFilter::kPaeth}) {
            FilterRow(row, above, rowBytes, bpp, filter, trial.data());
            const uint64_t cost = Cost(trial.data() + 1, rowBytes);
            if (cost < best) {
                best = cost;
                std::copy(trial.begin(), trial.end(), target);
            }
        }
    }
    return out;
}

bool Describable(const PngPixels& pixels) {
    if (pixels.width <= 0 || pixels.height <= 0 || pixels.width > kPngMaxSide || pixels.height > kPngMaxSide) {
        return false;
    }
    if (static_cast<uint64_t>(pixels.width) * static_cast<uint64_t>(pixels.height) > kPngMaxPixels) return false;
    if (pixels.samples == nullptr || SamplesPerPixel(pixels.colourType) == 0) return false;
    if (pixels.colourType == PngColourType::kPalette) {
        return pixels.palette != nullptr && pixels.paletteEntries >= 1 && pixels.paletteEntries <= 256;
    }
    return true;
}

}  // namespace

std::vector<uint8_t> EncodePng(const PngPixels& pixels, PngFilter filter, int compressionLevel) {
    if (!Describable(pixels)) return {};
    const std::vector<uint8_t> rows = FilteredRows(pixels, filter);
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), compressionLevel) != Z_OK) {
        return {};
    }

    std::vector<uint8_t> file(std::begin(png::kSignature), std::end(png::kSignature));
    std::vector<uint8_t> header;
    png::PutBe32(header, static_cast<uint32_t>(pixels.width));
    png::PutBe32(header, static_cast<uint32_t>(pixels.height));
    header.insert(header.end(), {8, static_cast<uint8_t>(pixels.colourType), 0, 0, 0});  // no interlace
    png::PutChunk(file, "IHDR", header.data(), header.size());
    if (pixels.colourType == PngColourType::kPalette) {
        png::PutChunk(file, "PLTE", pixels.palette, static_cast<size_t>(pixels.paletteEntries) * 3);
    }
    png::PutChunk(file, "IDAT", packed.data(), packedSize);
    png::PutChunk(file, "IEND", nullptr, 0);
    return file;
}

}  // namespace tools

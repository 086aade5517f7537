#include <cstring>

#include "png/png_file.h"
#include "png/spng_context.h"

namespace png {
namespace {

// Ancillary chunks an editor may add (text, a colour profile, EXIF) are kept in memory while the
// picture is read; these bound what a damaged or hostile file can make it hold.
constexpr size_t kLargestAncillaryChunk = size_t{1} << 24;
constexpr size_t kAncillaryChunksInAll = size_t{1} << 26;

// libspng's reason, in plainer words where a user meets it often.
std::string Reason(int code) {
    switch (code) {
        case SPNG_ESIGNATURE:
            return "not a PNG file";
        case SPNG_IO_EOF:
        case SPNG_EOF:
        case SPNG_EIDAT_TOO_SHORT:
            return "the file ends early";
        case SPNG_ECHUNK_CRC:
            return "CRC error in a chunk";
        default:
            return spng_strerror(code);
    }
}

bool Fail(std::string* error, std::string reason) {
    *error = std::move(reason);
    return false;
}

// Palette pictures are read as stored, indices packed 1, 2, 4 or 8 to a byte, and take their
// colours from the palette here, so that the indices survive beside the colours.
bool ExpandPalette(spng_ctx* ctx, const spng_ihdr& header, const spng_trns* trns, const std::vector<uint8_t>& packed,
                   Image* image, std::string* error) {
    spng_plte plte{};
    if (const int code = spng_get_plte(ctx, &plte); code != 0) return Fail(error, Reason(code));
    for (uint32_t i = 0; i < plte.n_entries; ++i) {
        image->palette.insert(image->palette.end(), {plte.entries[i].red, plte.entries[i].green, plte.entries[i].blue});
    }
    const size_t width = header.width, depth = header.bit_depth;
    const size_t rowBytes = (width * depth + 7) / 8;
    if (packed.size() < rowBytes * header.height) return Fail(error, "the picture data is shorter than its rows");
    const uint8_t mask = static_cast<uint8_t>((1u << depth) - 1);
    image->indices.resize(width * header.height);
    for (size_t y = 0; y < header.height; ++y) {
        const uint8_t* row = packed.data() + rowBytes * y;
        for (size_t x = 0; x < width; ++x) {
            const size_t bit = x * depth;
            const uint8_t index = static_cast<uint8_t>(row[bit / 8] >> (8 - depth - bit % 8)) & mask;
            if (index >= plte.n_entries) return Fail(error, "a pixel names a colour beyond the palette");
            const size_t pixel = y * width + x;
            image->indices[pixel] = index;
            uint8_t* out = &image->rgba[4 * pixel];
            out[0] = plte.entries[index].red;
            out[1] = plte.entries[index].green;
            out[2] = plte.entries[index].blue;
            out[3] = trns != nullptr && index < trns->n_type3_entries ? trns->type3_alpha[index] : 255;
        }
    }
    return true;
}

// Each 16-bit sample to value * 255 / 65535 rounded down, the 8-bit value ImageMagick gives too.
void ScaleTo8Bits(const std::vector<uint8_t>& samples16, std::vector<uint8_t>* samples8) {
    for (size_t i = 0; i < samples8->size(); ++i) {
        uint16_t sample;
        std::memcpy(&sample, &samples16[2 * i], sizeof sample);  // libspng writes them host-endian
        (*samples8)[i] = static_cast<uint8_t>(sample / 257);
    }
}

}  // namespace

bool Decode(const uint8_t* data, size_t size, Image* image, std::string* error) {
    detail::SpngContext context(0);
    spng_ctx* ctx = context.Get();
    if (ctx == nullptr) return Fail(error, "out of memory");
    spng_set_chunk_limits(ctx, kLargestAncillaryChunk, kAncillaryChunksInAll);
    spng_set_png_buffer(ctx, data, size);

    // Every chunk before the picture data is read, and its CRC checked (the header's too, which
    // libspng checks only with the next chunk), before the header's sizes are believed.
    spng_ihdr header{};
    spng_trns trns{};
    int code = spng_get_ihdr(ctx, &header);
    const bool transparency = code == 0 && (code = spng_get_trns(ctx, &trns)) == 0;
    if (code == SPNG_ECHUNKAVAIL) code = 0;
    if (code != 0) return Fail(error, Reason(code));
    const uint64_t pixels = uint64_t{header.width} * header.height;
    if (header.width > kMaxSide || header.height > kMaxSide || pixels > kMaxPixels) {
        return Fail(error, "the picture is larger than " + std::to_string(kMaxSide) + " pixels a side");
    }
    // Deflate makes no more than about 1032 bytes of one, so a file too short for the picture its
    // header claims is refused before memory is taken for that picture.
    size_t storedSize = 0;
    if ((code = spng_decoded_image_size(ctx, SPNG_FMT_PNG, &storedSize)) != 0) return Fail(error, Reason(code));
    if (storedSize / 1032 > size) return Fail(error, Reason(SPNG_EIDAT_TOO_SHORT));

    Image decoded;
    decoded.width = static_cast<int32_t>(header.width);
    decoded.height = static_cast<int32_t>(header.height);
    decoded.colourType = static_cast<ColourType>(header.color_type);
    decoded.bitDepth = header.bit_depth;
    decoded.hasAlpha =
        transparency || decoded.colourType == ColourType::kGreyAlpha || decoded.colourType == ColourType::kRgba;
    decoded.rgba.resize(static_cast<size_t>(pixels) * 4);
    // Palette pictures come as stored (their indices matter), 16-bit ones at full depth (libspng
    // would keep only the high byte), the rest as RGBA.
    const bool palette = decoded.colourType == ColourType::kPalette;
    const bool deep = header.bit_depth == 16;
    const int format = palette ? SPNG_FMT_PNG : deep ? SPNG_FMT_RGBA16 : SPNG_FMT_RGBA8;
    size_t decodedSize = 0;
    if ((code = spng_decoded_image_size(ctx, format, &decodedSize)) != 0) return Fail(error, Reason(code));
    std::vector<uint8_t> stored(palette || deep ? decodedSize : 0);
    uint8_t* out = stored.empty() ? decoded.rgba.data() : stored.data();
    if ((code = spng_decode_image(ctx, out, decodedSize, format, palette ? 0 : SPNG_DECODE_TRNS)) != 0) {
        return Fail(error, Reason(code));
    }
    // What follows the picture data is read too, up to the end chunk that says the file is whole.
    if ((code = spng_decode_chunks(ctx)) != 0) return Fail(error, Reason(code));
    if (palette && !ExpandPalette(ctx, header, transparency ? &trns : nullptr, stored, &decoded, error)) return false;
    if (deep) ScaleTo8Bits(stored, &decoded.rgba);
    *image = std::move(decoded);
    return true;
}

}  // namespace png

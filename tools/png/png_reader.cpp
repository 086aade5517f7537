#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "tools/png/png_chunks.h"
#include "tools/png/png_image.h"

namespace tools {
namespace {

using png::LoadBe32;
using png::RowFilter;

struct Header {
    uint32_t width = 0;
    uint32_t height = 0;
    uint8_t depth = 0;
    uint8_t type = 0;
    bool interlaced = false;
};

int Channels(uint8_t type) {
    switch (type) {
        case 0:
        case 3:
            return 1;
        case 4:
            return 2;
        case 2:
            return 3;
        case 6:
            return 4;
        default:
            return 0;
    }
}

bool DepthAllowed(uint8_t type, uint8_t depth) {
    switch (type) {
        case 0:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case 3:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case 2:
        case 4:
        case 6:
            return depth == 8 || depth == 16;
        default:
            return false;
    }
}

// One pass of the picture: the whole picture, or one of the seven of the interlaced layout.
struct Pass {
    uint32_t x0, y0, dx, dy;
    uint32_t width, height;
};

std::vector<Pass> PassesOf(const Header& header) {
    static constexpr std::array<std::array<uint32_t, 4>, 7> kInterlaced = {
        {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};
    if (!header.interlaced) return {{0, 0, 1, 1, header.width, header.height}};
    std::vector<Pass> passes;
    for (const auto& [x0, y0, dx, dy] : kInterlaced) {
        const uint32_t w = header.width > x0 ? (header.width - x0 + dx - 1) / dx : 0;
        const uint32_t h = header.height > y0 ? (header.height - y0 + dy - 1) / dy : 0;
        if (w > 0 && h > 0) passes.push_back({x0, y0, dx, dy, w, h});
    }
    return passes;
}

uint64_t RowBytes(const Header& header, uint32_t width) {
    return (static_cast<uint64_t>(width) * static_cast<uint64_t>(Channels(header.type)) * header.depth + 7) / 8;
}

// What the chunks say, gathered before any pixel is looked at.
struct Chunks {
    Header header;
    std::vector<uint8_t> palette;
    std::vector<uint8_t> transparency;
    std::vector<uint8_t> data;
};

bool Fail(std::string* error, std::string reason) {
    *error = std::move(reason);
    return false;
}

bool ReadHeader(const uint8_t* p, uint32_t length, Header* header, std::string* error) {
    if (length != 13) return Fail(error, "damaged header chunk");
    header->width = LoadBe32(p);
    header->height = LoadBe32(p + 4);
    header->depth = p[8];
    header->type = p[9];
    if (header->width == 0 || header->height == 0) return Fail(error, "the picture has no pixels");
    if (header->width > static_cast<uint32_t>(kPngMaxSide) || header->height > static_cast<uint32_t>(kPngMaxSide) ||
        static_cast<uint64_t>(header->width) * header->height > kPngMaxPixels) {
        return Fail(error, "the picture is larger than " + std::to_string(kPngMaxSide) + " pixels a side");
    }
    if (!DepthAllowed(header->type, header->depth)) return Fail(error, "unknown colour type or bit depth");
    if (p[10] != 0 || p[11] != 0 || p[12] > 1) return Fail(error, "unknown compression, filter or interlace method");
    header->interlaced = p[12] == 1;
    return true;
}

bool IsLetter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool ReadChunks(const uint8_t* data, size_t size, Chunks* chunks, std::string* error) {
    if (size < sizeof png::kSignature || std::memcmp(data, png::kSignature, sizeof png::kSignature) != 0) {
        return Fail(error, "not a PNG file");
    }
    size_t at = sizeof png::kSignature;
    bool sawHeader = false, sawPalette = false, sawData = false;
    while (true) {
        if (size - at < 12) return Fail(error, "the file ends early");
        const uint32_t length = LoadBe32(data + at);
        const uint8_t* type = data + at + 4;
        if (length > size - at - 12) return Fail(error, "the file ends early");
        if (!IsLetter(type[0]) || !IsLetter(type[1]) || !IsLetter(type[2]) || !IsLetter(type[3])) {
            return Fail(error, "damaged chunk");
        }
        const std::string name(reinterpret_cast<const char*>(type), 4);
        if (png::ChunkCrc(type, length + 4) != LoadBe32(type + 4 + length)) return Fail(error, "CRC error in " + name);
        const uint8_t* body = type + 4;
        at += 12 + static_cast<size_t>(length);

        if (!sawHeader && name != "IHDR") return Fail(error, "the header chunk is missing");
        if (name == "IHDR") {
            if (sawHeader) return Fail(error, "two header chunks");
            if (!ReadHeader(body, length, &chunks->header, error)) return false;
            sawHeader = true;
        } else if (name == "PLTE") {
            const uint8_t type0 = chunks->header.type;
            if (sawPalette || sawData || length % 3 != 0 || length == 0 || length > 768 || type0 == 0 || type0 == 4) {
                return Fail(error, "damaged palette");
            }
            chunks->palette.assign(body, body + length);
            sawPalette = true;
        } else if (name == "tRNS") {
            const uint8_t type0 = chunks->header.type;
            const bool fits = (type0 == 0 && length == 2) || (type0 == 2 && length == 6) ||
                              (type0 == 3 && sawPalette && length <= chunks->palette.size() / 3);
            if (!fits || sawData) return Fail(error, "damaged transparency chunk");
            chunks->transparency.assign(body, body + length);
        } else if (name == "IDAT") {
            chunks->data.insert(chunks->data.end(), body, body + length);
            sawData = true;
        } else if (name == "IEND") {
            break;
        } else if (name[0] >= 'A' && name[0] <= 'Z') {
            return Fail(error, "unsupported chunk " + name);
        }
    }
    if (!sawData) return Fail(error, "no picture data");
    if (chunks->header.type == 3 && !sawPalette) return Fail(error, "a palette picture without its palette");
    return true;
}

// Inflates the picture data into exactly the bytes the passes need.
bool Inflate(const Chunks& chunks, const std::vector<Pass>& passes, std::vector<uint8_t>* raw, std::string* error) {
    uint64_t expected = 0;
    for (const Pass& pass : passes) expected += (RowBytes(chunks.header, pass.width) + 1) * pass.height;
    // Deflate cannot expand more than about 1032 to 1, so anything more is short before we look.
    if (expected > static_cast<uint64_t>(chunks.data.size()) * 1032 + 1024)
        return Fail(error, "picture data ends early");
    raw->assign(static_cast<size_t>(expected), 0);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return Fail(error, "zlib failed to start");
    stream.next_in = const_cast<Bytef*>(chunks.data.data());
    stream.avail_in = static_cast<uInt>(chunks.data.size());
    stream.next_out = raw->data();
    stream.avail_out = static_cast<uInt>(raw->size());
    const int result = inflate(&stream, Z_FINISH);
    const bool full = stream.avail_out == 0;
    inflateEnd(&stream);
    if (full) return true;
    if (result == Z_STREAM_END || result == Z_BUF_ERROR) return Fail(error, "picture data ends early");
    return Fail(error, "picture data is damaged");
}

bool Unfilter(const Header& header, const Pass& pass, uint8_t* rows, std::string* error) {
    const size_t rowBytes = static_cast<size_t>(RowBytes(header, pass.width));
    const size_t bpp = std::max<size_t>(1, static_cast<size_t>(Channels(header.type)) * header.depth / 8);
    uint8_t* previous = nullptr;
    for (uint32_t y = 0; y < pass.height; ++y, rows += rowBytes + 1) {
        if (rows[0] > 4) return Fail(error, "damaged row filter");
        const auto filter = static_cast<RowFilter>(rows[0]);
        uint8_t* row = rows + 1;
        for (size_t i = 0; i < rowBytes; ++i) {
            const uint8_t a = i >= bpp ? row[i - bpp] : 0;
            const uint8_t b = previous != nullptr ? previous[i] : 0;
            const uint8_t c = previous != nullptr && i >= bpp ? previous[i - bpp] : 0;
            row[i] = static_cast<uint8_t>(row[i] + png::Predict(filter, a, b, c));
        }
        previous = row;
    }
    return true;
}

// Sample number n of a row, at the picture's bit depth.
uint32_t Sample(const uint8_t* row, uint64_t n, uint8_t depth) {
    if (depth == 16) return static_cast<uint32_t>(row[2 * n]) << 8 | row[2 * n + 1];
    if (depth == 8) return row[n];
    const uint64_t bit = n * depth;
    const int shift = 8 - depth - static_cast<int>(bit % 8);
    return (row[bit / 8] >> shift) & ((1u << depth) - 1);
}

uint32_t LoadBe16(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) << 8 | bytes[at + 1];
}

uint8_t To8Bits(uint32_t value, uint8_t depth) {
    if (depth == 16) return static_cast<uint8_t>(value / 257);  // the floor of value * 255 / 65535
    if (depth == 8) return static_cast<uint8_t>(value);
    return static_cast<uint8_t>(value * 255 / ((1u << depth) - 1));
}

bool ExpandPass(const Chunks& chunks, const Pass& pass, const uint8_t* rows, PngImage* image, std::string* error) {
    const Header& h = chunks.header;
    const int channels = Channels(h.type);
    const size_t rowBytes = static_cast<size_t>(RowBytes(h, pass.width));
    const size_t paletteEntries = chunks.palette.size() / 3;
    const auto& trns = chunks.transparency;
    for (uint32_t py = 0; py < pass.height; ++py) {
        const uint8_t* row = rows + (rowBytes + 1) * py + 1;
        for (uint32_t px = 0; px < pass.width; ++px) {
            const size_t pixel = static_cast<size_t>(pass.y0 + py * pass.dy) * h.width + pass.x0 + px * pass.dx;
            uint8_t* out = image->rgba.data() + pixel * 4;
            uint32_t s[4] = {};
            for (int c = 0; c < channels; ++c) s[c] = Sample(row, static_cast<uint64_t>(px) * channels + c, h.depth);
            switch (h.type) {
                case 3: {
                    if (s[0] >= paletteEntries) return Fail(error, "a pixel names a colour beyond the palette");
                    image->indices[pixel] = static_cast<uint8_t>(s[0]);
                    std::memcpy(out, chunks.palette.data() + 3 * s[0], 3);
                    out[3] = s[0] < trns.size() ? trns[s[0]] : 255;
                    break;
                }
                case 0:
                case 4:
                    out[0] = out[1] = out[2] = To8Bits(s[0], h.depth);
                    out[3] = h.type == 4 ? To8Bits(s[1], h.depth)
                                         : (trns.size() == 2 && s[0] == LoadBe16(trns, 0) ? 0 : 255);
                    break;
                default:
                    for (int c = 0; c < 3; ++c) out[c] = To8Bits(s[c], h.depth);
                    out[3] = h.type == 6 ? To8Bits(s[3], h.depth)
                                         : (trns.size() == 6 && s[0] == LoadBe16(trns, 0) &&
                                                    s[1] == LoadBe16(trns, 2) && s[2] == LoadBe16(trns, 4)
                                                ? 0
                                                : 255);
                    break;
            }
        }
    }
    return true;
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, PngImage* image, std::string* error) {
    Chunks chunks;
    if (!ReadChunks(data, size, &chunks, error)) return false;
    const std::vector<Pass> passes = PassesOf(chunks.header);
    std::vector<uint8_t> raw;
    if (!Inflate(chunks, passes, &raw, error)) return false;

    PngImage decoded;
    decoded.width = static_cast<int32_t>(chunks.header.width);
    decoded.height = static_cast<int32_t>(chunks.header.height);
    decoded.colourType = static_cast<PngColourType>(chunks.header.type);
    decoded.bitDepth = chunks.header.depth;
    decoded.hasAlpha = chunks.header.type == 4 || chunks.header.type == 6 || !chunks.transparency.empty();
    const size_t pixels = static_cast<size_t>(decoded.width) * static_cast<size_t>(decoded.height);
    decoded.rgba.assign(pixels * 4, 0);
    if (chunks.header.type == 3) {
        decoded.indices.assign(pixels, 0);
        decoded.palette = chunks.palette;
    }
    uint8_t* rows = raw.data();
    for (const Pass& pass : passes) {
        if (!Unfilter(chunks.header, pass, rows, error) || !ExpandPass(chunks, pass, rows, &decoded, error))
            return false;
        rows += (RowBytes(chunks.header, pass.width) + 1) * pass.height;
    }
    *image = std::move(decoded);
    return true;
}

}  // namespace tools

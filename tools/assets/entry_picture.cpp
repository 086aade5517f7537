#include "tools/assets/entry_picture.h"

#include <cstring>

#include "demo/assets/picture_headers.h"
#include "demo/assets/pms_streams.h"
#include "tools/assets/pms_palette.h"

namespace assetkit {

const char* FormatName(EntryFormat format) {
    switch (format) {
        case EntryFormat::kPms8:
            return "pms8";
        case EntryFormat::kPms16:
            return "pms16";
        case EntryFormat::kPms16Alpha:
            return "pms16-alpha";
        case EntryFormat::kBmp24:
            return "bmp24";
        case EntryFormat::kEmpty:
            return "empty";
        case EntryFormat::kUnknown:
            break;
    }
    return "unknown";
}

const char* FormatWords(EntryFormat format) {
    switch (format) {
        case EntryFormat::kPms8:
            return "PMS 8-bit";
        case EntryFormat::kPms16:
            return "PMS 16-bit";
        case EntryFormat::kPms16Alpha:
            return "PMS 16-bit with alpha";
        case EntryFormat::kBmp24:
            return "BMP 24-bit";
        case EntryFormat::kEmpty:
            return "empty";
        case EntryFormat::kUnknown:
            break;
    }
    return "unknown format";
}

bool IsPicture(EntryFormat format) { return format != EntryFormat::kEmpty && format != EntryFormat::kUnknown; }

EntryHeader InspectEntry(const uint8_t* data, size_t size) {
    if (size == 0) return {EntryFormat::kEmpty, 0, 0};
    PmsHeader pms;
    if (ReadPmsHeader(data, size, &pms)) {
        if (pms.depth == 8) return {EntryFormat::kPms8, pms.width, pms.height};
        if (pms.depth == 16) {
            return {pms.alphaOffset != 0 ? EntryFormat::kPms16Alpha : EntryFormat::kPms16, pms.width, pms.height};
        }
    }
    BmpHeader bmp;
    if (ReadBmpHeader(data, size, &bmp) && bmp.bitsPerPixel == 24) return {EntryFormat::kBmp24, bmp.width, bmp.height};
    return {EntryFormat::kUnknown, 0, 0};
}

namespace {

bool Fail(std::string* error, const char* reason) {
    *error = reason;
    return false;
}

// The demo's decoders bound their reads by the stream's size and their writes by the plane; a
// size the demo would refuse before decoding is refused here the same way.
bool SizePlausible(int32_t width, int32_t height) {
    return width > 0 && height > 0 && static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= (1u << 26);
}

bool DecodePms(const uint8_t* data, size_t size, const EntryHeader& header, EntryPicture* picture, std::string* error) {
    PmsHeader pms;
    ReadPmsHeader(data, size, &pms);  // InspectEntry read it already
    const size_t pixels = static_cast<size_t>(header.width) * static_cast<size_t>(header.height);
    // A stream too short to cover the plane at the densest opcode must run out: refused, as the
    // demo refuses it, before a plane of the claimed size is made.
    auto canCover = [&](uint32_t offset) {
        return offset < size && pixels <= (size - offset) * kPmsMaxPixelsPerStreamByte;
    };
    if (!canCover(pms.mainOffset) || (header.format == EntryFormat::kPms16Alpha && !canCover(pms.alphaOffset))) {
        return Fail(error, "the picture's data is too short for its size");
    }
    auto decodeBytes = [&](uint32_t offset, std::vector<uint8_t>* plane) {
        plane->assign(pixels, 0);
        const PlaneView view{plane->data(), header.width, header.height, header.width};
        return offset < size && DecodePmsByteStream(data + offset, size - offset, view);
    };
    if (header.format == EntryFormat::kPms8) {
        if (!decodeBytes(pms.mainOffset, &picture->values)) return Fail(error, "damaged 8-bit picture data");
        picture->palette = PmsPaletteOf(data, size);
        return true;
    }
    std::vector<uint8_t> bgr(pixels * 3);
    const PlaneView view{bgr.data(), header.width, header.height, header.width * 3};
    if (pms.mainOffset >= size || !DecodePmsColourStream(data + pms.mainOffset, size - pms.mainOffset, view)) {
        return Fail(error, "damaged colour data");
    }
    picture->rgb.resize(pixels * 3);
    for (size_t i = 0; i < pixels; ++i) {
        picture->rgb[3 * i] = bgr[3 * i + 2];
        picture->rgb[3 * i + 1] = bgr[3 * i + 1];
        picture->rgb[3 * i + 2] = bgr[3 * i];
    }
    if (header.format == EntryFormat::kPms16Alpha && !decodeBytes(pms.alphaOffset, &picture->alpha)) {
        return Fail(error, "damaged alpha data");
    }
    return true;
}

bool DecodeBmp(const uint8_t* data, size_t size, const EntryHeader& header, EntryPicture* picture, std::string* error) {
    const uint64_t rowBytes = static_cast<uint64_t>(header.width) * 3;
    const uint64_t stored = BmpStoredRowBytes(header.width);
    BmpHeader bmp;
    ReadBmpHeader(data, size, &bmp);  // InspectEntry read it already
    const uint64_t rowsOffset = bmp.rowsOffset;
    if (rowsOffset + (static_cast<uint64_t>(header.height) - 1) * stored + rowBytes > size) {
        return Fail(error, "the picture's rows run past the end of its entry");
    }
    picture->rgb.resize(static_cast<size_t>(rowBytes) * static_cast<size_t>(header.height));
    for (int32_t r = 0; r < header.height; ++r) {
        const uint8_t* in = data + rowsOffset + stored * static_cast<uint64_t>(header.height - 1 - r);
        uint8_t* out = picture->rgb.data() + rowBytes * static_cast<uint64_t>(r);
        for (int32_t x = 0; x < header.width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return true;
}

}  // namespace

bool DecodeEntry(const uint8_t* data, size_t size, EntryPicture* picture, std::string* error) {
    const EntryHeader header = InspectEntry(data, size);
    if (!IsPicture(header.format)) return Fail(error, "not a picture the demo can show");
    if (!SizePlausible(header.width, header.height)) return Fail(error, "the picture's size is damaged");
    EntryPicture decoded;
    decoded.format = header.format;
    decoded.width = header.width;
    decoded.height = header.height;
    const bool ok = header.format == EntryFormat::kBmp24 ? DecodeBmp(data, size, header, &decoded, error)
                                                         : DecodePms(data, size, header, &decoded, error);
    if (!ok) return false;
    *picture = std::move(decoded);
    return true;
}

bool SamePixels(const EntryPicture& a, const EntryPicture& b) {
    return a.format == b.format && a.width == b.width && a.height == b.height && a.rgb == b.rgb && a.alpha == b.alpha &&
           a.values == b.values;
}

}  // namespace assetkit

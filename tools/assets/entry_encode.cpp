#include <algorithm>
#include <cstring>

#include "bmp_file.h"
#include "demo/assets/picture_headers.h"
#include "platform/byte_writer.h"
#include "pms_file.h"
#include "tools/assets/entry_picture.h"
#include "tools/assets/pms_palette.h"

namespace assetkit {
namespace {

constexpr size_t kBmpRowsOffset = 54;  // where the project's writer puts the rows

std::vector<uint8_t> FreshEntry(const EntryPicture& picture) {
    const size_t pixels = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
    if (picture.format == EntryFormat::kPms8)
        return tools::WritePms(tools::MaskPicture{picture.width, picture.height, picture.values});
    if (picture.format == EntryFormat::kBmp24) {
        std::vector<uint8_t> bgr(pixels * 3);
        for (size_t i = 0; i < pixels; ++i) {
            bgr[3 * i] = picture.rgb[3 * i + 2];
            bgr[3 * i + 1] = picture.rgb[3 * i + 1];
            bgr[3 * i + 2] = picture.rgb[3 * i];
        }
        return tools::WriteBmp24(picture.width, picture.height, bgr);
    }
    tools::ColourPicture colour{picture.width, picture.height, std::vector<uint16_t>(pixels), picture.alpha};
    for (size_t i = 0; i < pixels; ++i) {
        colour.colours[i] = tools::PackRgb565(picture.rgb[3 * i], picture.rgb[3 * i + 1], picture.rgb[3 * i + 2]);
    }
    return tools::WritePms(colour);
}

// Where an original PMS picture's header ends: its first stream or palette.
size_t PmsHeaderEnd(const uint8_t* original, size_t size) {
    PmsHeader header;
    if (!ReadPmsHeader(original, size, &header)) return 0;
    size_t end = header.mainOffset;
    if (header.alphaOffset >= kPmsHeaderSize) end = std::min<size_t>(end, header.alphaOffset);
    return end >= kPmsHeaderSize && end <= size ? end : 0;
}

std::vector<uint8_t> KeepPmsHeader(const std::vector<uint8_t>& fresh, const EntryPicture& picture,
                                   const uint8_t* original, size_t size) {
    const size_t headerEnd = PmsHeaderEnd(original, size);
    if (headerEnd == 0) return fresh;
    const size_t freshStreams = tools::kPmsHeaderSize;
    std::vector<uint8_t> out(original, original + headerEnd);
    out.insert(out.end(), fresh.begin() + freshStreams, fresh.end());
    platform::StoreLe32(out.data() + 24, static_cast<uint32_t>(picture.width));
    platform::StoreLe32(out.data() + 28, static_cast<uint32_t>(picture.height));
    platform::StoreLe32(out.data() + 32, static_cast<uint32_t>(headerEnd));
    if (picture.format == EntryFormat::kPms8) {
        if (HasPmsPalette(original, size)) {
            platform::StoreLe32(out.data() + 36, static_cast<uint32_t>(out.size()));
            PmsHeader was;
            ReadPmsHeader(original, size, &was);
            const uint8_t* palette = original + was.alphaOffset;
            out.insert(out.end(), palette, palette + kPmsPaletteBytes);
        }
    } else {
        PmsHeader made;
        ReadPmsHeader(fresh.data(), fresh.size(), &made);
        const uint32_t freshAlpha = made.alphaOffset;
        platform::StoreLe32(out.data() + 36,
                            freshAlpha == 0 ? 0 : static_cast<uint32_t>(freshAlpha - freshStreams + headerEnd));
    }
    return out;
}

std::vector<uint8_t> KeepBmpHeader(const std::vector<uint8_t>& fresh, const uint8_t* original, size_t size) {
    BmpHeader header;
    if (!ReadBmpHeader(original, size, &header)) return fresh;
    const uint32_t rowsOffset = header.rowsOffset;
    if (rowsOffset < kBmpRowsOffset || rowsOffset > size) return fresh;
    std::vector<uint8_t> out(original, original + rowsOffset);
    out.insert(out.end(), fresh.begin() + kBmpRowsOffset, fresh.end());
    platform::StoreLe32(out.data() + 2, static_cast<uint32_t>(out.size()));
    std::memcpy(out.data() + 18, fresh.data() + 18, 8);  // width, height
    std::memcpy(out.data() + 34, fresh.data() + 34, 4);  // size of the rows
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeEntry(const EntryPicture& picture, const uint8_t* original, size_t originalSize) {
    const std::vector<uint8_t> fresh = FreshEntry(picture);
    if (fresh.empty()) return fresh;
    const EntryHeader was = InspectEntry(original, originalSize);
    if (was.format != picture.format) return fresh;
    return picture.format == EntryFormat::kBmp24 ? KeepBmpHeader(fresh, original, originalSize)
                                                 : KeepPmsHeader(fresh, picture, original, originalSize);
}

}  // namespace assetkit

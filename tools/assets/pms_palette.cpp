#include "tools/assets/pms_palette.h"

#include "demo/assets/picture_headers.h"

namespace assetkit {

bool HasPmsPalette(const uint8_t* picture, size_t size) {
    PmsHeader header;
    if (!ReadPmsHeader(picture, size, &header)) return false;
    const uint32_t at = header.alphaOffset;
    return at >= kPmsHeaderSize && at <= size && size - at >= kPmsPaletteBytes;
}

std::vector<uint8_t> PmsPaletteOf(const uint8_t* picture, size_t size) {
    if (HasPmsPalette(picture, size)) {
        PmsHeader header;
        ReadPmsHeader(picture, size, &header);
        return std::vector<uint8_t>(picture + header.alphaOffset, picture + header.alphaOffset + kPmsPaletteBytes);
    }
    std::vector<uint8_t> ramp(kPmsPaletteBytes);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<uint8_t>(i / 3);
    return ramp;
}

}  // namespace assetkit

#include "pms_file.h"

#include "platform/byte_writer.h"
#include "pms_streams.h"

namespace tools {
namespace {

std::vector<uint8_t> Header(uint8_t depth, int32_t width, int32_t height) {
    std::vector<uint8_t> out(kPmsHeaderSize, 0);
    out[0] = 'P';
    out[1] = 'M';
    out[2] = 1;  // format version
    out[4] = kPmsHeaderSize;
    out[6] = depth;
    platform::StoreLe32(out.data() + 24, static_cast<uint32_t>(width));
    platform::StoreLe32(out.data() + 28, static_cast<uint32_t>(height));
    platform::StoreLe32(out.data() + 32, kPmsHeaderSize);
    return out;
}

bool SizesValid(int32_t width, int32_t height, size_t pixels) {
    return width > 0 && height > 0 && pixels == static_cast<size_t>(width) * static_cast<size_t>(height);
}

}  // namespace

std::vector<uint8_t> WritePms(const ColourPicture& picture) {
    const size_t pixels = picture.colours.size();
    if (!SizesValid(picture.width, picture.height, pixels)) return {};
    if (!picture.alpha.empty() && picture.alpha.size() != pixels) return {};
    std::vector<uint8_t> out = Header(16, picture.width, picture.height);
    const std::vector<uint8_t> colour = EncodeColourStream(picture.colours.data(), picture.width, picture.height);
    out.insert(out.end(), colour.begin(), colour.end());
    if (!picture.alpha.empty()) {
        platform::StoreLe32(out.data() + 36, static_cast<uint32_t>(out.size()));
        const std::vector<uint8_t> alpha = EncodeByteStream(picture.alpha.data(), picture.width, picture.height);
        out.insert(out.end(), alpha.begin(), alpha.end());
    }
    return out;
}

std::vector<uint8_t> WritePms(const MaskPicture& picture) {
    if (!SizesValid(picture.width, picture.height, picture.values.size())) return {};
    std::vector<uint8_t> out = Header(8, picture.width, picture.height);
    const std::vector<uint8_t> values = EncodeByteStream(picture.values.data(), picture.width, picture.height);
    out.insert(out.end(), values.begin(), values.end());
    return out;
}

Bgr ExpandRgb565(uint16_t colour) {
    const int r = colour >> 11, g = (colour >> 5) & 63, b = colour & 31;
    return {static_cast<uint8_t>(b * 8 + b / 4), static_cast<uint8_t>(g * 4 + g / 16),
            static_cast<uint8_t>(r * 8 + r / 4)};
}

uint16_t PackRgb565(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}

}  // namespace tools

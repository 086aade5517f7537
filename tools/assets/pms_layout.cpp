#include "tools/assets/pms_layout.h"

#include "tools/assets/byte_io.h"

namespace assetkit {

PmsLayout ReadPmsLayout(const uint8_t* data) {
    return {data[6], static_cast<int32_t>(Le32(data + 24)), static_cast<int32_t>(Le32(data + 28)), Le32(data + 32),
            Le32(data + 36)};
}

std::vector<uint8_t> PmsPaletteOf(const uint8_t* data, size_t size) {
    const uint32_t at = size >= kPmsHeaderRead ? Le32(data + 36) : 0;
    if (at >= kPmsHeaderRead && at <= size && size - at >= kPmsPaletteBytes) {
        return std::vector<uint8_t>(data + at, data + at + kPmsPaletteBytes);
    }
    std::vector<uint8_t> ramp(kPmsPaletteBytes);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<uint8_t>(i / 3);
    return ramp;
}

}  // namespace assetkit

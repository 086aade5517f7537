#include "bmp_file.h"

#include <cstring>

#include "platform/byte_writer.h"

namespace tools {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

}  // namespace

std::vector<uint8_t> WriteBmp24(int32_t width, int32_t height, const std::vector<uint8_t>& pixels) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * height * 3) return {};
    const uint32_t rowBytes = (3u * width + 3u) & ~3u;
    const uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;
    const uint32_t dataSize = rowBytes * static_cast<uint32_t>(height);
    std::vector<uint8_t> out(dataOffset + dataSize, 0);
    uint8_t* p = out.data();
    p[0] = 'B';
    p[1] = 'M';
    platform::StoreLe32(p + 2, static_cast<uint32_t>(out.size()));
    platform::StoreLe32(p + 10, dataOffset);
    platform::StoreLe32(p + 14, kInfoHeaderSize);
    platform::StoreLe32(p + 18, static_cast<uint32_t>(width));
    platform::StoreLe32(p + 22, static_cast<uint32_t>(height));
    platform::StoreLe16(p + 26, 1);   // planes
    platform::StoreLe16(p + 28, 24);  // bits per pixel
    platform::StoreLe32(p + 34, dataSize);
    platform::StoreLe32(p + 38, 2835);  // 72 dpi
    platform::StoreLe32(p + 42, 2835);
    for (int32_t r = 0; r < height; ++r) {
        const uint8_t* source = pixels.data() + static_cast<size_t>(height - 1 - r) * width * 3;
        std::memcpy(p + dataOffset + static_cast<size_t>(r) * rowBytes, source, static_cast<size_t>(width) * 3);
    }
    return out;
}

}  // namespace tools

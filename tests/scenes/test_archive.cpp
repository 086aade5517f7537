#include "tests/scenes/test_archive.h"

#include <cstdio>
#include <vector>

#include "platform/byte_writer.h"

namespace {

constexpr int32_t kPictureCount = 59;

void AppendBmp(std::vector<uint8_t>& out, int32_t index) {
    const PictureSize size = TestPictureSize(index);
    const uint32_t stride = (3u * size.width + 3u) & ~3u;
    const size_t start = out.size();
    out.resize(start + 54 + static_cast<size_t>(stride) * size.height, 0);
    out[start] = 'B';
    out[start + 1] = 'M';
    platform::StoreLe32(out.data() + start + 10, 54);
    platform::StoreLe32(out.data() + start + 14, 40);
    platform::StoreLe32(out.data() + start + 18, static_cast<uint32_t>(size.width));
    platform::StoreLe32(out.data() + start + 22, static_cast<uint32_t>(size.height));
    out[start + 26] = 1;
    out[start + 28] = 24;
    // Rows are stored bottom-up.
    for (int32_t y = 0; y < size.height; ++y) {
        uint8_t* row = out.data() + start + 54 + static_cast<size_t>(size.height - 1 - y) * stride;
        for (int32_t x = 0; x < size.width; ++x) {
            for (int32_t c = 0; c < 3; ++c) row[3 * x + c] = TestPictureByte(index, x, y, c);
        }
    }
}

}  // namespace

PictureSize TestPictureSize(int32_t index) {
    switch (index) {
        case 0:
            return {300, 200};
        case 5:
            return {200, 100};
        case 7:
            return {200, 400};
        case 9:
            return {64, 48};
        case 10:
            return {300, 480};
        case 11:
            return {200, 480};
        case 12:
            return {800, 640};
        case 13:
            return {50, 40};
        case 14:
            return {220, 480};
        case 17:
            return {500, 60};
        case 18:
            return {380, 90};
        case 20:
            return {640, 900};
        case 21:
            return {120, 200};
        case 22:
            return {301, 41};
        case 23:
            return {160, 120};
        case 24:
            return {302, 42};
        case 25:
            return {303, 43};
        case 26:
            return {200, 150};
        case 27:
            return {640, 100};
        case 28:
            return {259, 300};
        case 30:
            return {150, 480};
        case 31:
            return {284, 100};
        case 34:
            return {10, 10};
        case 35:
            return {256, 256};
        case 36:
            return {400, 300};
        case 38:
            return {200, 30};
        case 39:
            return {210, 31};
        case 40:
            return {220, 32};
        case 41:
            return {300, 50};
        case 42:
            return {310, 52};
        case 43:
            return {330, 40};
        case 44:
            return {340, 44};
        case 45:
            return {400, 80};
        case 47:
            return {640, 520};
        case 48:
            return {320, 480};
        case 49:
            return {320, 480};
        case 50:
            return {640, 1200};
        case 15:
        case 19:
        case 29:
        case 33:
        case 37:
        case 46:
        case 51:
        case 54:
        case 55:
        case 58:
            return {640, 480};
        default:
            return {4, 4};
    }
}

uint8_t TestPictureByte(int32_t index, int32_t x, int32_t y, int32_t channel) {
    if (x == 0 && y == 0) {
        const uint8_t tag[3] = {static_cast<uint8_t>(index), kTagGreen, kTagRed};
        return tag[channel];
    }
    return static_cast<uint8_t>(x * 3 + y * 7 + index * 17 + channel * 85 + (x ^ y));
}

bool WriteTestArchive(const std::string& path) {
    static bool written = false;
    if (written) return true;
    std::vector<uint8_t> file(8 + 8 * kPictureCount, 0);
    file[0] = 'Z';
    file[1] = 'P';
    file[2] = 'X';
    file[3] = '0';
    platform::StoreLe32(file.data() + 4, kPictureCount);
    for (int32_t i = 0; i < kPictureCount; ++i) {
        const size_t offset = file.size();
        AppendBmp(file, i);
        platform::StoreLe32(file.data() + 8 + 8 * i, static_cast<uint32_t>(offset));
        platform::StoreLe32(file.data() + 12 + 8 * i, static_cast<uint32_t>(file.size() - offset));
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    const bool ok = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    written = std::fclose(out) == 0 && ok;
    return written;
}

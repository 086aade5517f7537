#include "platform/wave_header.h"

#include <cstring>

namespace platform {
namespace {

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

constexpr size_t kChunkHeader = 8;
constexpr size_t kFormatSize = 16;

}  // namespace

bool ParseWaveHeader(const uint8_t* bytes, size_t size, uint64_t fileSize, WaveLayout* layout) {
    if (bytes == nullptr || layout == nullptr || size < 12 || fileSize < size) return false;
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return false;
    bool haveFormat = false;
    WaveLayout found{};
    size_t offset = 12;
    while (size - offset >= kChunkHeader) {
        const uint8_t* header = bytes + offset;
        const uint32_t chunkSize = Read32(header + 4);
        const size_t bodyOffset = offset + kChunkHeader;
        if (std::memcmp(header, "fmt ", 4) == 0) {
            if (chunkSize < kFormatSize || size - bodyOffset < kFormatSize) return false;
            const uint8_t* body = bytes + bodyOffset;
            found.formatTag = Read16(body);
            found.format.channels = Read16(body + 2);
            found.format.samplesPerSecond = Read32(body + 4);
            found.bytesPerSecond = Read32(body + 8);
            found.format.blockAlign = Read16(body + 12);
            found.format.bitsPerSample = Read16(body + 14);
            if (found.format.channels == 0 || found.format.samplesPerSecond == 0 || found.bytesPerSecond == 0 ||
                found.format.blockAlign == 0 || found.format.bitsPerSample == 0) {
                return false;
            }
            haveFormat = true;
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (!haveFormat || bodyOffset > UINT32_MAX) return false;
            const uint64_t present = fileSize - bodyOffset;
            found.dataOffset = static_cast<uint32_t>(bodyOffset);
            found.dataSize = chunkSize <= present ? chunkSize : static_cast<uint32_t>(present);
            found.dataSize -= found.dataSize % found.format.blockAlign;
            const uint64_t ms = static_cast<uint64_t>(found.dataSize) * 1000u / found.bytesPerSecond;
            if (ms > UINT32_MAX) return false;
            found.lengthMs = static_cast<uint32_t>(ms);
            *layout = found;
            return true;
        }
        // Chunks are padded to an even size.
        const uint64_t next = static_cast<uint64_t>(bodyOffset) + chunkSize + (chunkSize & 1u);
        if (next > size) return false;
        offset = static_cast<size_t>(next);
    }
    return false;
}

}  // namespace platform

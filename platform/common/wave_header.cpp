#include "platform/wave_header.h"

#include <cstring>

#include "platform/byte_reader.h"

namespace platform {
namespace {

constexpr size_t kChunkHeader = 8;
constexpr size_t kFormatSize = 16;

}  // namespace

bool ParseWaveHeader(const uint8_t* bytes, size_t size, uint64_t fileSize, WaveLayout* layout) {
    if (bytes == nullptr || layout == nullptr || fileSize < size) return false;
    ByteReader read(bytes, size);
    read.Expect("RIFF", 4);
    read.Skip(4);
    if (!read.Expect("WAVE", 4)) return false;
    bool haveFormat = false;
    WaveLayout found{};
    while (read.Remaining() >= kChunkHeader) {
        char id[4];
        read.Bytes(id, 4);
        const uint32_t chunkSize = read.U32();
        const size_t body = read.Position();
        if (std::memcmp(id, "fmt ", 4) == 0) {
            if (chunkSize < kFormatSize || !read.Has(kFormatSize)) return false;
            found.formatTag = read.U16();
            found.format.channels = read.U16();
            found.format.samplesPerSecond = read.U32();
            found.bytesPerSecond = read.U32();
            found.format.blockAlign = read.U16();
            found.format.bitsPerSample = read.U16();
            if (found.format.channels == 0 || found.format.samplesPerSecond == 0 || found.bytesPerSecond == 0 ||
                found.format.blockAlign == 0 || found.format.bitsPerSample == 0) {
                return false;
            }
            haveFormat = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (!haveFormat || body > UINT32_MAX) return false;
            const uint64_t present = fileSize - body;
            found.dataOffset = static_cast<uint32_t>(body);
            found.dataSize = chunkSize <= present ? chunkSize : static_cast<uint32_t>(present);
            found.dataSize -= found.dataSize % found.format.blockAlign;
            const uint64_t ms = static_cast<uint64_t>(found.dataSize) * 1000u / found.bytesPerSecond;
            if (ms > UINT32_MAX) return false;
            found.lengthMs = static_cast<uint32_t>(ms);
            *layout = found;
            return true;
        }
        // Chunks are padded to an even size; one that claims more than the bytes at hand ends
        // the walk before the data chunk.
        const uint64_t next = static_cast<uint64_t>(body) + chunkSize + (chunkSize & 1u);
        if (next > size || !read.Seek(static_cast<size_t>(next))) return false;
    }
    return false;
}

}  // namespace platform

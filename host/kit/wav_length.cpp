#include "host/kit/wav_length.h"

#include <cstring>
#include <vector>

#include "platform/file.h"

namespace host {
namespace {

uint32_t ReadLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

// Headers larger than this are not plausible; the data chunk itself is never needed.
constexpr uint32_t kHeaderLimit = 64u * 1024u;

uint16_t ReadLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

}  // namespace

bool ReadWavFormat(const uint8_t* bytes, size_t size, WavFormat* format) {
    if (bytes == nullptr || format == nullptr || size < 12) return false;
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return false;
    uint32_t byteRate = 0;
    size_t at = 12;
    // Chunks are walked with every offset checked against the bytes at hand; a size may claim
    // more than the file holds, which is fine only for the data chunk, read last.
    while (size - at >= 8) {
        const uint8_t* chunk = bytes + at;
        const uint32_t chunkSize = ReadLe32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (chunkSize < 16 || size - at - 8 < 16) return false;
            const uint8_t* fields = chunk + 8;
            format->formatTag = ReadLe16(fields);
            format->channels = ReadLe16(fields + 2);
            format->sampleRate = ReadLe32(fields + 4);
            byteRate = format->byteRate = ReadLe32(fields + 8);
            format->bitsPerSample = ReadLe16(fields + 14);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (byteRate == 0) return false;
            const uint64_t ms = static_cast<uint64_t>(chunkSize) * 1000u / byteRate;
            if (ms > UINT32_MAX) return false;
            format->lengthMs = static_cast<uint32_t>(ms);
            return true;
        }
        const uint64_t next = static_cast<uint64_t>(at) + 8u + chunkSize + (chunkSize & 1u);
        if (next > size) return false;
        at = static_cast<size_t>(next);
    }
    return false;
}

bool WavLengthMs(const uint8_t* bytes, size_t size, uint32_t* lengthMs) {
    WavFormat format;
    if (lengthMs == nullptr || !ReadWavFormat(bytes, size, &format)) return false;
    *lengthMs = format.lengthMs;
    return true;
}

bool WavFileLengthMs(const char* path, uint32_t* lengthMs) {
    platform::ReadFile file;
    uint32_t size = 0;
    if (!file.Open(path) || !file.Size(&size)) return false;
    std::vector<uint8_t> header(size < kHeaderLimit ? size : kHeaderLimit);
    uint32_t got = 0;
    if (header.empty() || !file.Read(header.data(), static_cast<uint32_t>(header.size()), &got)) return false;
    return WavLengthMs(header.data(), got, lengthMs);
}

}  // namespace host

#include "wav_writer.h"

#include <cstring>

#include "platform/byte_writer.h"

namespace tools {
namespace {

constexpr size_t kHeaderSize = 44;

}  // namespace

std::vector<uint8_t> WriteWav16(const std::vector<int16_t>& samples, uint16_t channels, uint32_t sampleRate) {
    if (channels == 0 || sampleRate == 0 || samples.size() % channels != 0) return {};
    const uint64_t dataSize = static_cast<uint64_t>(samples.size()) * 2;
    if (dataSize + kHeaderSize > UINT32_MAX) return {};
    uint8_t header[kHeaderSize] = {};
    uint8_t* p = header;
    const uint16_t blockAlign = static_cast<uint16_t>(channels * 2);
    std::memcpy(p, "RIFF", 4);
    platform::StoreLe32(p + 4, static_cast<uint32_t>(kHeaderSize + dataSize - 8));
    std::memcpy(p + 8, "WAVEfmt ", 8);
    platform::StoreLe32(p + 16, 16);
    platform::StoreLe16(p + 20, 1);  // PCM
    platform::StoreLe16(p + 22, channels);
    platform::StoreLe32(p + 24, sampleRate);
    platform::StoreLe32(p + 28, sampleRate * blockAlign);
    platform::StoreLe16(p + 32, blockAlign);
    platform::StoreLe16(p + 34, 16);
    std::memcpy(p + 36, "data", 4);
    platform::StoreLe32(p + 40, static_cast<uint32_t>(dataSize));
    std::vector<uint8_t> out(kHeaderSize + dataSize);
    std::memcpy(out.data(), header, kHeaderSize);
    for (size_t i = 0; i < samples.size(); ++i)
        platform::StoreLe16(out.data() + kHeaderSize + 2 * i, static_cast<uint16_t>(samples[i]));
    return out;
}

}  // namespace tools

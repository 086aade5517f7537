#include "wav_writer.h"

#include <cstring>

namespace tools {
namespace {

void Put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

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
    Put32(p + 4, static_cast<uint32_t>(kHeaderSize + dataSize - 8));
    std::memcpy(p + 8, "WAVEfmt ", 8);
    Put32(p + 16, 16);
    Put16(p + 20, 1);  // PCM
    Put16(p + 22, channels);
    Put32(p + 24, sampleRate);
    Put32(p + 28, sampleRate * blockAlign);
    Put16(p + 32, blockAlign);
    Put16(p + 34, 16);
    std::memcpy(p + 36, "data", 4);
    Put32(p + 40, static_cast<uint32_t>(dataSize));
    std::vector<uint8_t> out(kHeaderSize + dataSize);
    std::memcpy(out.data(), header, kHeaderSize);
    for (size_t i = 0; i < samples.size(); ++i)
        Put16(out.data() + kHeaderSize + 2 * i, static_cast<uint16_t>(samples[i]));
    return out;
}

}  // namespace tools

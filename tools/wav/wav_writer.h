#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tools {

// A RIFF/WAVE file of 16-bit PCM: "fmt " then "data". Samples are interleaved by channel.
// Empty result for zero channels or rate, or a sample count that is not whole frames.
std::vector<uint8_t> WriteWav16(const std::vector<int16_t>& samples, uint16_t channels, uint32_t sampleRate);

}  // namespace tools

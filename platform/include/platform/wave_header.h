#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/mci.h"

namespace platform {

inline constexpr uint16_t kWavePcm = 1;

// Where the samples of a RIFF/WAVE file lie and what they are.
struct WaveLayout {
    uint16_t formatTag;  // kWavePcm for plain samples
    WaveFormat format;
    uint32_t bytesPerSecond;
    uint32_t dataOffset;
    uint32_t dataSize;  // what the file holds of the data chunk, in whole blocks
    uint32_t lengthMs;  // dataSize over the byte rate
};

// The one reader of wave headers: the "fmt " and "data" chunks of a file of fileSize bytes, of
// which bytes holds the first size (all of it, or only its header: the samples are never read).
// Chunks before the data are walked with their sizes checked against the bytes present; a data
// chunk longer than the file (a truncated recording) counts as what is there. False for anything
// that is not a well-formed header with a non-zero format, or a length beyond 32 bits.
bool ParseWaveHeader(const uint8_t* bytes, size_t size, uint64_t fileSize, WaveLayout* layout);

}  // namespace platform

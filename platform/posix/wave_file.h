#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/mci.h"

namespace platform::detail {

// Where the samples of a RIFF/WAVE file lie, as the waveaudio device needs them.
struct WaveLayout {
    WaveFormat format;
    uint32_t bytesPerSecond;
    uint32_t dataOffset;
    uint32_t dataSize;
    uint32_t lengthMs;
};

// Reads the "fmt " and "data" chunks of a PCM wave file held in memory. Chunks are walked with
// their sizes checked against the bytes present; a data chunk longer than the file (a truncated
// recording) is cut to what is there. False for anything that is not playable PCM.
bool ParseWave(const uint8_t* bytes, size_t size, WaveLayout* layout);

}  // namespace platform::detail

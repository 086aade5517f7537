#pragma once

#include <cstddef>
#include <cstdint>

namespace host {

// What a RIFF WAVE file's format chunk says, and its playing time in milliseconds: the data chunk's
// size over the byte rate.
struct WavFormat {
    uint16_t formatTag = 0;  // 1: PCM
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t byteRate = 0;
    uint16_t bitsPerSample = 0;
    uint32_t lengthMs = 0;
};
bool ReadWavFormat(const uint8_t* bytes, size_t size, WavFormat* format);

// The playing time of a RIFF WAVE file in milliseconds: its data chunk size over the byte rate
// of its format chunk. False for anything that is not a well-formed WAVE header (missing or
// truncated chunks, a zero byte rate) or a length beyond 32 bits.
bool WavLengthMs(const uint8_t* bytes, size_t size, uint32_t* lengthMs);

// The same for a file; only its header chunks are read.
bool WavFileLengthMs(const char* path, uint32_t* lengthMs);

}  // namespace host

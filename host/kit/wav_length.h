#pragma once

#include <cstddef>
#include <cstdint>

namespace host {

// The playing time of a RIFF WAVE file in milliseconds: what the file holds of its data chunk over
// the byte rate of its format chunk, as the music device plays it (platform/wave_header.h). False
// for anything that is not a well-formed WAVE header.
bool WavLengthMs(const uint8_t* bytes, size_t size, uint32_t* lengthMs);

// The same for a file; only its header chunks are read, with the file's size standing for the rest.
bool WavFileLengthMs(const char* path, uint32_t* lengthMs);

}  // namespace host

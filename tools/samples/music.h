#pragma once

#include <cstdint>
#include <vector>

namespace samples {

// A simple piece for the whole timeline: pad chords, an arpeggio, a bass line and a soft beat
// over the progression A minor, F, C, G at 100 beats a minute; mono 16-bit samples.
std::vector<int16_t> SynthesiseMusic(uint32_t sampleRate, float seconds);

}  // namespace samples

#pragma once

#include <cstdint>
#include <vector>

#include "demo/scenes/scene_pictures.h"

// The files of the demo's stand-in data set, each made whole in memory. Every function depends
// only on this code and the font files, so repeated calls give the same bytes. An empty result
// means the file could not be made (a picture failed, for instance a missing font).
namespace samples {

inline constexpr int32_t kArchiveEntries = scene_pictures::kIndexCount;
inline constexpr uint32_t kMusicSampleRate = 22050;
inline constexpr float kMusicSeconds = 126.0f;  // the last scene ends at 124.634 s

std::vector<uint8_t> MakeArchive();                             // "Prelo.zpx"
std::vector<uint8_t> MakeMovie(int32_t width, int32_t height);  // "Prelo.moz" 640 x 480, "PreloM.moz" 240 x 180
std::vector<uint8_t> MakeMusic();                               // "Vuvi01.wav"
std::vector<uint8_t> MakeSettings();                            // "Prelo.ini"

}  // namespace samples

#pragma once

#include <cstdint>
#include <vector>

#include "movie_writer.h"

namespace samples {

// The movie's pictures: a dusk flight over a gridded sea towards a setting sun and parallax
// mountains, a flash, a flight through a turning chequered tunnel, then stars rushing past until
// the picture fades out. Frames are palettised with a palette of their own, so the colours move
// with the light.
class MovieRenderer {
public:
    MovieRenderer(int32_t width, int32_t height);

    // Renders the frame at `seconds` into indices (width x height) and its palette.
    void Render(float seconds, std::vector<uint8_t>& indices, tools::Palette& palette) const;

private:
    void RenderDusk(float t, uint8_t* out) const;
    void RenderTunnel(float t, uint8_t* out) const;
    void RenderWarp(float t, uint8_t* out) const;

    int32_t width_, height_;
    std::vector<float> radius_;   // distance from the centre, in heights
    std::vector<float> turn_;     // angle about the centre, in turns (0..1)
    std::vector<uint8_t> stars_;  // 0 = no star, else the star's palette slot 1..8
};

inline constexpr float kMovieSeconds = 43.0f;
inline constexpr int32_t kMovieFramesPerSecond = 15;

}  // namespace samples

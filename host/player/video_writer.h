#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace player {

// Pipes raw 640 x 480 frames into the ffmpeg program, which encodes an H.264 video with the
// music muxed in from the given WAV file and starting offset.
class VideoWriter {
public:
    VideoWriter() = default;
    ~VideoWriter() { Close(); }
    VideoWriter(const VideoWriter&) = delete;
    VideoWriter& operator=(const VideoWriter&) = delete;

    static bool FfmpegAvailable();

    bool Open(const std::string& path, int width, int height, uint32_t fps, const std::string& wavPath,
              uint32_t audioFromMs, uint32_t durationMs);
    // Rows of width * 3 bytes (blue, green, red), pitch bytes apart.
    bool WriteFrame(const uint8_t* pixels, int pitch);
    // Finishes the file; false when ffmpeg reported a failure.
    bool Close();

private:
    std::FILE* pipe_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool failed_ = false;
};

}  // namespace player

#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace player {

// Pipes raw 640 x 480 frames into the ffmpeg program, which encodes an H.264 video with the
// music muxed in from the given WAV file and starting offset. The video is written under a
// temporary name and takes its own only when closed complete, so a failed render leaves none.
class VideoWriter {
public:
    VideoWriter() = default;
    ~VideoWriter() { Abandon(); }
    VideoWriter(const VideoWriter&) = delete;
    VideoWriter& operator=(const VideoWriter&) = delete;

    static bool FfmpegAvailable();

    bool Open(const std::string& path, int width, int height, uint32_t fps, const std::string& wavPath,
              uint32_t audioFromMs, uint32_t durationMs);
    // Rows of width * 3 bytes (blue, green, red), pitch bytes apart.
    bool WriteFrame(const uint8_t* pixels, int pitch);
    // Finishes the file; false when ffmpeg reported a failure (nothing is then left).
    bool Close();
    // Stops ffmpeg and removes what it wrote.
    void Abandon();

private:
    std::string Partial() const { return path_ + ".partial"; }

    std::FILE* pipe_ = nullptr;
    std::string path_;
    int width_ = 0;
    int height_ = 0;
    bool failed_ = false;
};

}  // namespace player

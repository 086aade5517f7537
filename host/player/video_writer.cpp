#include "host/player/video_writer.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

namespace player {
namespace {

// Single quotes for the shell, with any single quote inside closed, escaped and reopened.
std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

}  // namespace

bool VideoWriter::FfmpegAvailable() { return std::system("command -v ffmpeg >/dev/null 2>&1") == 0; }

bool VideoWriter::Open(const std::string& path, int width, int height, uint32_t fps, const std::string& wavPath,
                       uint32_t audioFromMs, uint32_t durationMs) {
    Abandon();
    path_ = path;
    width_ = width;
    height_ = height;
    failed_ = false;
    char timing[96];
    std::snprintf(timing, sizeof timing, "-ss %u.%03u -t %u.%03u", audioFromMs / 1000, audioFromMs % 1000,
                  durationMs / 1000, durationMs % 1000);
    const std::string command = "ffmpeg -loglevel error -y -f rawvideo -pix_fmt bgr24 -s " + std::to_string(width) +
                                "x" + std::to_string(height) + " -r " + std::to_string(fps) + " -i - " + timing +
                                " -i " + Quote(wavPath) +
                                " -map 0:v -map 1:a -c:v libx264 -preset veryfast -crf 20 -pix_fmt yuv420p"
                                " -c:a aac -b:a 160k -shortest -f mp4 " +
                                Quote(Partial());
    pipe_ = ::popen(command.c_str(), "w");
    return pipe_ != nullptr;
}

bool VideoWriter::WriteFrame(const uint8_t* pixels, int pitch) {
    if (pipe_ == nullptr || failed_) return false;
    for (int y = 0; y < height_; ++y) {
        const size_t row = static_cast<size_t>(width_) * 3u;
        if (std::fwrite(pixels + static_cast<size_t>(y) * pitch, 1, row, pipe_) != row) {
            failed_ = true;
            return false;
        }
    }
    return true;
}

bool VideoWriter::Close() {
    if (pipe_ == nullptr) return !failed_;
    const int status = ::pclose(pipe_);
    pipe_ = nullptr;
    const bool done = !failed_ && status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                      std::rename(Partial().c_str(), path_.c_str()) == 0;
    if (!done) std::remove(Partial().c_str());
    return done;
}

void VideoWriter::Abandon() {
    if (pipe_ == nullptr) return;
    failed_ = true;
    Close();
}

}  // namespace player

#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "host/kit/host_window.h"

namespace host {

struct CapturedFrame {
    uint32_t timeMs;
    uint64_t hash;
    std::string file;  // empty when no file was written
};

// Decides at each frame whether it is due for capture (the first frame at or after each chosen
// time, or every so many ms), hashes the window's framebuffer, optionally saves it as PNG, and
// prints "frame <time> <hash> <file or ->" to the given stream.
class FrameRecorder {
public:
    FrameRecorder(HostWindow& window, std::vector<uint32_t> times, uint32_t everyMs, std::string outFolder,
                  std::FILE* log);

    // For the loop's frame callback; always true (a failed PNG is reported, the run goes on).
    bool OnFrame(uint32_t nowMs);

    const std::vector<CapturedFrame>& Captured() const { return captured_; }
    bool WriteFailed() const { return writeFailed_; }

private:
    bool Due(uint32_t nowMs);

    HostWindow& window_;
    std::vector<uint32_t> times_;
    size_t nextTime_ = 0;
    uint32_t everyMs_;
    uint32_t nextEveryMs_ = 0;
    std::string outFolder_;
    std::FILE* log_;
    std::vector<CapturedFrame> captured_;
    bool writeFailed_ = false;
};

}  // namespace host

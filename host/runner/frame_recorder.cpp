#include "host/runner/frame_recorder.h"

#include <utility>

#include "host/runner/frame_capture.h"
#include "platform/process_path.h"
#include "png/png_file.h"

namespace host {

FrameRecorder::FrameRecorder(HostWindow& window, std::vector<uint32_t> times, uint32_t everyMs, std::string outFolder,
                             std::FILE* log)
    : window_(window), times_(std::move(times)), everyMs_(everyMs), outFolder_(std::move(outFolder)), log_(log) {}

bool FrameRecorder::Due(uint32_t nowMs) {
    bool due = false;
    while (nextTime_ < times_.size() && times_[nextTime_] <= nowMs) {
        due = true;
        ++nextTime_;
    }
    if (everyMs_ != 0 && nowMs >= nextEveryMs_) {
        due = true;
        nextEveryMs_ = (nowMs / everyMs_ + 1) * everyMs_;
    }
    return due;
}

bool FrameRecorder::OnFrame(uint32_t nowMs) {
    if (!Due(nowMs)) return true;
    window_.Capture();
    int pitch = 0;
    const uint8_t* pixels = window_.Framebuffer(&pitch);
    if (pixels == nullptr) return true;
    CapturedFrame frame{nowMs, FrameHash(pixels, HostWindow::kWidth, HostWindow::kHeight, pitch), std::string()};
    if (!outFolder_.empty()) {
        char name[32];
        std::snprintf(name, sizeof name, "frame_%06lu.png", static_cast<unsigned long>(nowMs));
        frame.file = outFolder_ + platform::PathSeparator() + name;
        if (!png::WriteBgrFrame(frame.file.c_str(), pixels, HostWindow::kWidth, HostWindow::kHeight, pitch)) {
            writeFailed_ = true;
            if (log_) std::fprintf(log_, "cannot write %s\n", frame.file.c_str());
            frame.file.clear();
        }
    }
    if (log_) {
        std::fprintf(log_, "frame %lu %s %s\n", static_cast<unsigned long>(nowMs), HashText(frame.hash).c_str(),
                     frame.file.empty() ? "-" : frame.file.c_str());
        std::fflush(log_);
    }
    captured_.push_back(std::move(frame));
    return true;
}

}  // namespace host

#include "host/kit/host_loop.h"

#include "platform/clock.h"
#include "platform/window.h"

namespace host {

HostLoop::HostLoop(TimeSource& time, SteppedTime* stepped, const LoopSettings& settings)
    : time_(time), stepped_(stepped), settings_(settings), startMs_(time.NowMs()), lastFrameMs_(startMs_) {}

bool HostLoop::KeepRunning() {
    const bool keepRunning = DecideKeepRunning();
    if (!keepRunning) answeredStop_ = true;
    return keepRunning;
}

// The frame callback runs before the clock moves, so it sees the frame drawn for the time it is
// given, and it also sees the last frame before a stop.
bool HostLoop::DecideKeepRunning() {
    if (stopRequested_) return false;
    if (!platform::PumpMessages()) return false;
    if (callback_ && !callback_(ElapsedMs())) return false;
    if (settings_.maxFrames != 0 && frames_ >= settings_.maxFrames) return false;
    const uint32_t stepMs = NextStepMs();
    if (stepMs != 0) {
        if (stepped_ != nullptr) {
            stepped_->Advance(stepMs);
        } else {
            WaitForNextFrame(stepMs);
        }
    }
    if (ElapsedMs() > settings_.stopAfterMs) return false;
    ++frames_;
    return true;
}

// From the frame now on screen (the frames_-th) to the next one.
uint32_t HostLoop::NextStepMs() const {
    if (settings_.framesPerSecond == 0) return settings_.frameStepMs;
    auto frameTime = [this](uint64_t n) { return static_cast<uint32_t>(n * 1000u / settings_.framesPerSecond); };
    return frameTime(frames_ + 1ull) - frameTime(frames_);
}

// Real time: the demo itself never waits, so without this a host would spin the processor.
void HostLoop::WaitForNextFrame(uint32_t stepMs) {
    const uint32_t since = time_.NowMs() - lastFrameMs_;
    if (since < stepMs) platform::Sleep(stepMs - since);
    lastFrameMs_ = time_.NowMs();
}

}  // namespace host

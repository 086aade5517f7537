#include "host/kit/host_loop.h"

#include "platform/window.h"

namespace host {

HostLoop::HostLoop(TimeSource& time, SteppedTime* stepped, const LoopSettings& settings)
    : time_(time), stepped_(stepped), settings_(settings) {}

// The frame callback runs before the clock moves, so it sees the frame drawn for the time it is
// given, and it also sees the last frame before a stop.
bool HostLoop::KeepRunning() {
    if (stopRequested_) return false;
    if (!platform::PumpMessages()) return false;
    if (callback_ && !callback_(time_.NowMs())) return false;
    if (settings_.maxFrames != 0 && frames_ >= settings_.maxFrames) return false;
    if (stepped_ != nullptr && settings_.frameStepMs != 0) stepped_->Advance(settings_.frameStepMs);
    if (time_.NowMs() > settings_.stopAfterMs) return false;
    ++frames_;
    return true;
}

}  // namespace host

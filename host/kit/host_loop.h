#pragma once

#include <cstdint>
#include <functional>

#include "host/kit/time_source.h"
#include "interfaces/host.h"

namespace host {

struct LoopSettings {
    // One frame. Headless runs move the stepped clock by this much per KeepRunning; real-time
    // runs wait until this much has passed since the previous frame. 0: neither.
    uint32_t frameStepMs = 0;
    // When set, in place of frameStepMs: frame n lies at n * 1000 / framesPerSecond ms, rounded
    // down, so that a rate that does not divide a second (60) keeps its rate instead of running
    // at that of its rounded step (16 ms, 62.5 a second).
    uint32_t framesPerSecond = 0;
    // KeepRunning answers false once this much time has passed since the loop was made...
    uint32_t stopAfterMs = UINT32_MAX;
    // ...or once this many calls have been answered (0 = no limit).
    uint32_t maxFrames = 0;
};

// The host's keep-running callback, called by the demo once per frame. Each call dispatches the
// thread's window messages (the demo's MCI notices arrive that way), hands the frame just drawn
// to the frame callback, then moves the stepped clock on by one frame, or in real time waits
// for the next frame's turn.
class HostLoop final : public IHostLoop {
public:
    // Gets the time of the frame on screen, in ms since the loop was made; false ends the demo.
    using FrameCallback = std::function<bool(uint32_t nowMs)>;

    // stepped may be null for real time.
    HostLoop(TimeSource& time, SteppedTime* stepped, const LoopSettings& settings);

    bool KeepRunning() override;

    void SetFrameCallback(FrameCallback callback) { callback_ = std::move(callback); }
    // Makes the next KeepRunning answer false (a player's window closing, for example).
    void RequestStop() { stopRequested_ = true; }
    uint32_t FramesAnswered() const { return frames_; }
    // Whether KeepRunning has answered false: the host ended the run, not the demo itself.
    bool AnsweredStop() const { return answeredStop_; }
    uint32_t ElapsedMs() { return time_.NowMs() - startMs_; }

private:
    bool DecideKeepRunning();
    uint32_t NextStepMs() const;
    void WaitForNextFrame(uint32_t stepMs);

    TimeSource& time_;
    SteppedTime* stepped_;
    LoopSettings settings_;
    FrameCallback callback_;
    uint32_t startMs_;
    uint32_t lastFrameMs_;
    uint32_t frames_ = 0;
    bool stopRequested_ = false;
    bool answeredStop_ = false;
};

}  // namespace host

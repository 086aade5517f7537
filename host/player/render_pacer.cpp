#include "host/player/render_pacer.h"

#include <utility>

#include "host/player/timeline.h"

namespace player {

RenderPacer::RenderPacer(std::vector<uint32_t> frameTimes) : times_(std::move(frameTimes)) {}

RenderPacer::Step RenderPacer::OnKeepRunning(uint32_t musicMs) {
    Step step;
    if (next_ >= times_.size()) {
        step.done = true;
        return step;
    }
    if (musicMs == 0) {
        // Waiting for the music to start: nudge the clock until it reports a position.
        step.advanceMs = 1;
        return step;
    }
    if (!started_) {
        started_ = true;
        pendingCalls_ = 3;  // the scheduler's call, the first scene's first call, then its first frame
    }
    if (--pendingCalls_ > 0) return step;

    if (musicMs >= times_[next_]) {
        step.capture = true;
        step.frame = next_++;
        if (next_ >= times_.size()) {
            step.done = true;
            return step;
        }
    }
    const uint32_t target = times_[next_] > musicMs ? times_[next_] : musicMs + 1;
    step.advanceMs = target - musicMs;
    pendingCalls_ = SceneAt(target) != SceneAt(musicMs) ? 3 : 1;
    return step;
}

}  // namespace player

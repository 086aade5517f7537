#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace player {

// Steps the music clock of a headless render so that the demo draws exactly the frames of the
// render's frame times, and says when the frame on screen is one of them.
//
// The host sees the demo only through its keep-running calls. In a scene's loop each call comes
// after the frame for the current time was presented, so one call per time is enough. When the
// time crosses into another scene, two more calls come before the new scene has drawn anything
// (the scheduler's own, then the new scene's first), so the pacer waits for the third. Music
// time 0 is never drawn: the demo waits for the music to report a position above 0.
class RenderPacer {
public:
    struct Step {
        bool capture = false;  // the screen shows frame `frame` of the render
        size_t frame = 0;
        uint32_t advanceMs = 0;  // move the clock on by this much after handling the frame
        bool done = false;       // every frame was shown: stop the demo
    };

    explicit RenderPacer(std::vector<uint32_t> frameTimes);

    // Called on every keep-running call with the music position (0 before the music runs).
    Step OnKeepRunning(uint32_t musicMs);

    size_t FramesShown() const { return next_; }
    size_t FrameCount() const { return times_.size(); }

private:
    std::vector<uint32_t> times_;
    size_t next_ = 0;
    int pendingCalls_ = 0;
    bool started_ = false;
};

}  // namespace player

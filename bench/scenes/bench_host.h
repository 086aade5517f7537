#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "demo/runtime/demo_context.h"
#include "host/graph/graph.h"
#include "host/layerforge/layerforge.h"
#include "interfaces/host.h"

// A demo context on the reference host's drawing and surface modules, linked in rather than
// loaded, with a screen in memory and music time that the benchmark moves frame by frame.

class BenchScreen final : public IHostScreen {
public:
    int32_t Identify() override { return 1; }
    int32_t Release() override { return 0; }
    uint8_t* PixelAt(int32_t x, int32_t y) override { return pixels_.data() + y * kPitch + x * 3; }
    uint8_t* AlphaAt(int32_t, int32_t) override { return nullptr; }
    int32_t Width() override { return 640; }
    int32_t Height() override { return 480; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return kPitch; }
    int32_t AlphaPitch() override { return 0; }
    bool HasPixels() override { return true; }
    bool IsHostOwned() override { return true; }
    void Present(int32_t, int32_t, int32_t, int32_t) override { ++presents; }

    uint32_t presents = 0;

private:
    static constexpr int32_t kPitch = 640 * 3;
    std::vector<uint8_t> pixels_ = std::vector<uint8_t>(kPitch * 480, 0);
};

class BenchClock final : public IHostClock {
public:
    void Reserved0() override {}
    uint32_t NowMs() override { return nowMs; }
    uint32_t nowMs = 1;
};

// Each KeepRunning asks next() for the time of the coming frame; a false answer stops the demo.
class BenchLoop final : public IHostLoop {
public:
    bool KeepRunning() override { return next(); }
    std::function<bool()> next;
};

// The music as the host plays it: started at once, its position the clock's time.
class BenchSound final : public IHostSound, public IHostSoundRepeat, public IHostSoundPosition {
public:
    explicit BenchSound(BenchClock* clock) : clock_(clock) {}
    void Reserved0() override {}
    void Reserved1() override {}
    bool Prepare(int32_t) override { return true; }
    void Reserved3() override {}
    bool Start() override { return true; }
    bool Stop() override { return true; }
    void Reserved6() override {}
    void* QueryControl(const Guid* id) override;
    bool SetRepeatMode(int32_t) override { return true; }
    int32_t RepeatMode() override { return 1; }
    uint32_t PositionMs() override { return clock_->nowMs; }
    uint32_t LengthMs() override { return kTimelineEndMs; }

private:
    BenchClock* clock_;
};

class BenchInput final : public IHostInput {
public:
    void Refresh() override {}
    void Poll() override {}
    void Reserved2() override {}
    bool IsPressed(int32_t) override { return false; }
};

// Everything wired: the sample archive and movie opened from assetsFolder, the drawing tables
// built, the music bound to the clock. Valid() is false when the assets are missing.
class BenchDemo {
public:
    explicit BenchDemo(const char* assetsFolder);
    ~BenchDemo();
    bool Valid() const { return valid_; }

    BenchScreen screen;
    BenchClock clock;
    BenchLoop loop;
    BenchSound sound{&clock};
    BenchInput input;
    host::Graph graph;
    host::Layerforge layerforge;
    DemoContext context;

private:
    bool valid_ = false;
};

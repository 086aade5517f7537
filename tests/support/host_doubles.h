#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "interfaces/guids.h"
#include "interfaces/host.h"

// Recording stand-ins for the host's service objects, for every test that plays the demo or a
// part of it. Time comes from the platform clock, which the tests switch to the virtual clock;
// the loop moves it by one frame, or to the next time of a script, per KeepRunning.

// Switches the platform clock to virtual time at a given start and back when done.
class ScopedVirtualClock {
public:
    explicit ScopedVirtualClock(uint32_t startMs = 1000000);
    ~ScopedVirtualClock();
    ScopedVirtualClock(const ScopedVirtualClock&) = delete;
    ScopedVirtualClock& operator=(const ScopedVirtualClock&) = delete;
};

class FakeClock : public IHostClock {
public:
    void Reserved0() override {}
    uint32_t NowMs() override;
};

class FakeLoop : public IHostLoop {
public:
    uint32_t frameMs = 20;
    int keepRunningCalls = 0;
    int stopAfterCalls = -1;          // KeepRunning answers false from this call on; -1 never
    std::function<bool()> stopWhen;   // also ends the demo when it answers true
    std::function<void()> eachCall;   // runs first on every call, the last one included
    std::function<void()> eachFrame;  // runs after the clock moved, before messages are pumped
    bool pumpMessages = true;         // the thread's messages, as a host's loop dispatches them

    // From now on each frame sets the clock to the next of these times instead of stepping it,
    // and the call after the last one answers false.
    void SetScript(std::vector<uint32_t> times);
    // How many times of the script were used.
    size_t Used() const { return next_; }

    bool KeepRunning() override;

private:
    bool scripted_ = false;
    std::vector<uint32_t> script_;
    size_t next_ = 0;
};

class FakeWindow : public IHostWindow {
public:
    NativeWindow window = nullptr;
    void Reserved0() override {}
    void Reserved1() override {}
    void Reserved2() override {}
    NativeWindow MainWindow() override { return window; }
};

// The host's 640 x 480 screen, without pixels (the demo must then not draw into it directly) or
// with them in memory.
class FakeScreen : public IHostScreen {
public:
    static constexpr int32_t kWidth = 640;
    static constexpr int32_t kHeight = 480;
    static constexpr int32_t kPitch = kWidth * 3;

    explicit FakeScreen(bool withPixels = false) : pixels_(withPixels ? kPitch * kHeight : 0, 0) {}

    int presents = 0;
    std::function<void(int32_t x, int32_t y, int32_t w, int32_t h)> onPresent;

    int32_t Identify() override { return 1; }
    int32_t Release() override { return 0; }
    uint8_t* PixelAt(int32_t x, int32_t y) override {
        return pixels_.empty() ? nullptr : pixels_.data() + y * kPitch + x * 3;
    }
    uint8_t* AlphaAt(int32_t, int32_t) override { return nullptr; }
    int32_t Width() override { return kWidth; }
    int32_t Height() override { return kHeight; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return kPitch; }
    int32_t AlphaPitch() override { return 0; }
    bool HasPixels() override { return !pixels_.empty(); }
    bool IsHostOwned() override { return true; }
    void Present(int32_t x, int32_t y, int32_t w, int32_t h) override;

    std::vector<uint8_t>& Pixels() { return pixels_; }

private:
    std::vector<uint8_t> pixels_;
};

class FakeInput : public IHostInput {
public:
    std::vector<int> calls;  // slot numbers in call order; IsPressed as 3
    std::vector<int> askedKeys;
    std::map<int, bool> pressed;

    void Refresh() override { calls.push_back(0); }
    void Poll() override { calls.push_back(1); }
    void Reserved2() override {}
    bool IsPressed(int32_t key) override;
    int Count(int slot) const;
};

// The host's music: plays for lengthMs from Start on the platform clock, once or endlessly. A
// test may also set it playing from a chosen moment without a Start (started, startTick and
// startOffsetMs).
class FakeSound : public IHostSound, public IHostSoundRepeat, public IHostSoundPosition {
public:
    bool prepareResult = true;
    bool startResult = true;
    bool offerRepeat = true;
    bool offerPosition = true;
    bool setRepeatResult = true;
    bool neverStarts = false;  // the position stays 0
    uint32_t lengthMs = 125000;
    uint32_t startOffsetMs = 0;  // music position at Start
    int32_t repeatMode = 5;      // what the host had before the demo
    int32_t preparedNumber = 0;
    std::vector<int32_t> setRepeatCalls;
    int startCalls = 0;
    int stopCalls = 0;
    bool started = false;
    uint32_t startTick = 0;

    void Reserved0() override {}
    void Reserved1() override {}
    bool Prepare(int32_t musicNumber) override;
    void Reserved3() override {}
    bool Start() override;
    bool Stop() override;
    void Reserved6() override {}
    void* QueryControl(const Guid* id) override;

    bool SetRepeatMode(int32_t mode) override;
    int32_t RepeatMode() override { return repeatMode; }

    uint32_t PositionMs() override;
    uint32_t LengthMs() override { return lengthMs; }
};

class FakeSoundSource : public IHostSoundSource {
public:
    IHostSound* sound = nullptr;
    IHostSound* Sound() override { return sound; }
};

class FakeGraphContext : public IHostGraphContext {
public:
    void* context = nullptr;
    void* Context() override { return context; }
};

// Answers every service the demo asks for unless it is taken away.
class FakeHost : public IHostServices {
public:
    FakeClock clock;
    FakeLoop loop;
    FakeWindow window;
    FakeScreen screen;
    FakeInput input;
    FakeSound sound;
    FakeSoundSource soundSource;
    FakeGraphContext graphContext;
    int unusedMarker = 0;
    std::map<uint32_t, bool> withheld;  // by the first field of the identifier
    std::vector<uint32_t> queried;

    FakeHost();
    void Withhold(const Guid& id) { withheld[id.data1 ^ id.data2] = true; }
    void* QueryService(const Guid* id) override;
};

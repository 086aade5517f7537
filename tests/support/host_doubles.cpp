#include "tests/support/host_doubles.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/window.h"

ScopedVirtualClock::ScopedVirtualClock(uint32_t startMs) {
    platform::UseVirtualClock(true);
    platform::SetVirtualClock(startMs);
}

ScopedVirtualClock::~ScopedVirtualClock() { platform::UseVirtualClock(false); }

uint32_t FakeClock::NowMs() { return platform::TickCount(); }

void FakeLoop::SetScript(std::vector<uint32_t> times) {
    scripted_ = true;
    script_ = std::move(times);
    next_ = 0;
}

bool FakeLoop::KeepRunning() {
    if (eachCall) eachCall();
    ++keepRunningCalls;
    if (stopAfterCalls >= 0 && keepRunningCalls >= stopAfterCalls) return false;
    if (stopWhen && stopWhen()) return false;
    if (scripted_) {
        if (next_ == script_.size()) return false;
        platform::SetVirtualClock(script_[next_++]);
    } else if (platform::VirtualClockInUse()) {
        platform::AdvanceVirtualClock(frameMs);
    }
    if (eachFrame) eachFrame();
    if (pumpMessages) platform::PumpMessages();
    return true;
}

void FakeScreen::Present(int32_t x, int32_t y, int32_t w, int32_t h) {
    ++presents;
    if (onPresent) onPresent(x, y, w, h);
}

bool FakeInput::IsPressed(int32_t key) {
    calls.push_back(3);
    askedKeys.push_back(key);
    auto found = pressed.find(key);
    return found != pressed.end() && found->second;
}

int FakeInput::Count(int slot) const { return static_cast<int>(std::count(calls.begin(), calls.end(), slot)); }

bool FakeSound::Prepare(int32_t musicNumber) {
    preparedNumber = musicNumber;
    return prepareResult;
}

bool FakeSound::Start() {
    ++startCalls;
    if (!startResult) return false;
    started = true;
    startTick = platform::TickCount();
    return true;
}

bool FakeSound::Stop() {
    ++stopCalls;
    started = false;
    return true;
}

void* FakeSound::QueryControl(const Guid* id) {
    if (*id == guids::kSoundRepeat) return offerRepeat ? static_cast<IHostSoundRepeat*>(this) : nullptr;
    if (*id == guids::kSoundPosition) return offerPosition ? static_cast<IHostSoundPosition*>(this) : nullptr;
    return nullptr;
}

bool FakeSound::SetRepeatMode(int32_t mode) {
    setRepeatCalls.push_back(mode);
    if (!setRepeatResult) return false;
    repeatMode = mode;
    return true;
}

uint32_t FakeSound::PositionMs() {
    if (!started || neverStarts) return 0;
    const uint32_t played = startOffsetMs + (platform::TickCount() - startTick);
    if (repeatMode == -1) return played % lengthMs;
    return played < lengthMs ? played : lengthMs;
}

FakeHost::FakeHost() {
    sound.lengthMs = 125000;
    soundSource.sound = &sound;
    static int contextMarker;
    graphContext.context = &contextMarker;
}

void* FakeHost::QueryService(const Guid* id) {
    queried.push_back(id->data1);
    if (withheld[id->data1 ^ id->data2]) return nullptr;
    if (*id == guids::kHostWindow) return static_cast<IHostWindow*>(&window);
    if (*id == guids::kHostScreen) return static_cast<IHostScreen*>(&screen);
    if (*id == guids::kHostInput) return static_cast<IHostInput*>(&input);
    if (*id == guids::kHostSoundSource) return static_cast<IHostSoundSource*>(&soundSource);
    if (*id == guids::kHostGraphContext) return static_cast<IHostGraphContext*>(&graphContext);
    if (*id == guids::kHostUnused) return &unusedMarker;
    return nullptr;
}

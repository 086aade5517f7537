#include "fake_host.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/window.h"

uint32_t FakeClock::NowMs() { return platform::TickCount(); }

bool FakeLoop::KeepRunning() {
    ++keepRunningCalls;
    if (stopAfterCalls >= 0 && keepRunningCalls >= stopAfterCalls) return false;
    if (stopWhen && stopWhen()) return false;
    if (platform::VirtualClockInUse()) platform::AdvanceVirtualClock(frameMs);
    if (eachFrame) eachFrame();
    platform::PumpMessages();
    return true;
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

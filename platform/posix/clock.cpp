#include "platform/clock.h"

#include <atomic>
#include <cerrno>
#include <ctime>

namespace platform {
namespace {

std::atomic<bool> virtualClockOn{false};
std::atomic<uint32_t> virtualNow{0};
std::atomic<bool> clockHeld{false};
std::atomic<uint32_t> heldReading{0};  // what TickCount answers while held
std::atomic<uint32_t> timeLeftOut{0};  // all the time held so far
std::atomic<SleepHook> sleepHook{nullptr};
std::atomic<void*> sleepHookContext{nullptr};

uint32_t MonotonicMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

uint32_t RealMs() { return MonotonicMs() - timeLeftOut.load(); }

}  // namespace

uint32_t TickCount() {
    if (virtualClockOn) return virtualNow.load();
    return clockHeld ? heldReading.load() : RealMs();
}

void HoldClock(bool held) {
    if (held == clockHeld) return;
    if (held) {
        heldReading = RealMs();
        clockHeld = true;
    } else {
        timeLeftOut += RealMs() - heldReading.load();
        clockHeld = false;
    }
}

bool ClockHeld() { return clockHeld; }

void AdvanceHeldClock(uint32_t ms) {
    if (clockHeld) heldReading += ms;
}

void Sleep(uint32_t ms) {
    if (SleepHook hook = sleepHook.load()) hook(sleepHookContext.load());
    if (virtualClockOn) {
        virtualNow += ms;
        return;
    }
    timespec wait{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

void UseVirtualClock(bool enabled) { virtualClockOn = enabled; }
bool VirtualClockInUse() { return virtualClockOn; }
void SetVirtualClock(uint32_t ms) { virtualNow = ms; }
void AdvanceVirtualClock(uint32_t ms) { virtualNow += ms; }

void SetSleepHook(SleepHook hook, void* context) {
    sleepHookContext = context;
    sleepHook = hook;
}

}  // namespace platform

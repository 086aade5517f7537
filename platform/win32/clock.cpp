#include "platform/clock.h"

#include <windows.h>

namespace platform {
namespace {

volatile LONG virtualClockOn = 0;
volatile LONG virtualNow = 0;
SleepHook sleepHook = nullptr;
void* sleepHookContext = nullptr;

}  // namespace

uint32_t TickCount() {
    return virtualClockOn ? static_cast<uint32_t>(virtualNow) : static_cast<uint32_t>(::GetTickCount());
}

void Sleep(uint32_t ms) {
    if (sleepHook != nullptr) sleepHook(sleepHookContext);
    if (virtualClockOn) {
        ::InterlockedExchangeAdd(&virtualNow, static_cast<LONG>(ms));
        return;
    }
    ::Sleep(ms);
}

void UseVirtualClock(bool enabled) { ::InterlockedExchange(&virtualClockOn, enabled ? 1 : 0); }
bool VirtualClockInUse() { return virtualClockOn != 0; }
void SetVirtualClock(uint32_t ms) { ::InterlockedExchange(&virtualNow, static_cast<LONG>(ms)); }
void AdvanceVirtualClock(uint32_t ms) { ::InterlockedExchangeAdd(&virtualNow, static_cast<LONG>(ms)); }

void SetSleepHook(SleepHook hook, void* context) {
    sleepHookContext = context;
    sleepHook = hook;
}

}  // namespace platform

#include "host/kit/time_source.h"

#include "platform/clock.h"

namespace host {

uint32_t SystemTime::NowMs() { return platform::TickCount(); }

SteppedTime::SteppedTime(uint32_t startMs) {
    platform::SetVirtualClock(startMs);
    platform::UseVirtualClock(true);
}

SteppedTime::~SteppedTime() { platform::UseVirtualClock(false); }

uint32_t SteppedTime::NowMs() { return platform::TickCount(); }

void SteppedTime::Advance(uint32_t ms) { platform::AdvanceVirtualClock(ms); }

}  // namespace host

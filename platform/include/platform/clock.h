#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary start, wrapping at 2^32; differences are taken unsigned.
uint32_t TickCount();

// Gives up the processor for about ms milliseconds. On the virtual clock this advances the clock
// by ms instead, so a wait polled with Sleep(1) still ends.
void Sleep(uint32_t ms);

// The virtual clock: while enabled, TickCount returns a value that only AdvanceVirtualClock,
// SetVirtualClock and Sleep move. Hosts and tests use it to play the demo deterministically and
// faster than real time. On Windows every module has its own copy of this switch.
void UseVirtualClock(bool enabled);
bool VirtualClockInUse();
void SetVirtualClock(uint32_t ms);
void AdvanceVirtualClock(uint32_t ms);

#if !defined(_WIN32)
// Holding the real clock, for a player's pause: while held, TickCount stands still; let go, it
// goes on from where it stood with the held time left out, so whatever it times (the demo's own
// music player among them) resumes where it was. AdvanceHeldClock moves a held clock on by ms,
// for a frame step. The virtual clock, when in use, is not affected.
void HoldClock(bool held);
bool ClockHeld();
void AdvanceHeldClock(uint32_t ms);
#endif

// Called by Sleep on the sleeping thread before it waits. A Linux host feeds the key table from
// its own event queue, so while the demo polls for a key's release with Sleep(1) the host must
// still see its events: its hook pumps them. Windows keys are read from the system, and every
// module has its own copy of this hook, so a host's hook reaches only its own module there.
using SleepHook = void (*)(void* context);
void SetSleepHook(SleepHook hook, void* context);

}  // namespace platform

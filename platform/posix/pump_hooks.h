#pragma once

namespace platform::detail {

// Work that must happen when a thread pumps its messages, such as a stand-in device posting the
// completion notice a real driver would have posted in the meantime.
using PumpHook = void (*)();

// Adds a hook once; adding the same hook again does nothing.
void AddPumpHook(PumpHook hook);
void RunPumpHooks();

}  // namespace platform::detail

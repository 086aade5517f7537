#include "platform/keys.h"

#include <windows.h>

namespace platform {

bool IsKeyDown(int virtualKey) { return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

// Windows has real key state; there is no table to feed.
void SetKeyDown(int, bool) {}
void ReleaseAllKeys() {}

}  // namespace platform

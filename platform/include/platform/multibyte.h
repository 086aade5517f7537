#pragma once

#include <cstdint>

namespace platform {

// True when the byte starts a two-byte character of the process's narrow code page (Shift-JIS on
// the target systems). Linux texts are UTF-8, whose multibyte sequences never contain an ASCII
// byte, so there every byte may be scanned on its own and this is always false.
bool IsLeadByte(uint8_t byte);

}  // namespace platform

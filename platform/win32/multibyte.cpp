#include <windows.h>

#include "platform/multibyte.h"

namespace platform {

bool IsLeadByte(uint8_t byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

}  // namespace platform

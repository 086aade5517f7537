#include "platform/multibyte.h"

#include <windows.h>

namespace platform {

bool IsLeadByte(uint8_t byte) { return ::IsDBCSLeadByte(byte) != FALSE; }

}  // namespace platform

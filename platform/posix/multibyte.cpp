#include "platform/multibyte.h"

namespace platform {

bool IsLeadByte(uint8_t) { return false; }

}  // namespace platform

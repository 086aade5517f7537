#include "host/kit/host_input.h"

#include "platform/keys.h"

namespace host {

bool HostInput::IsPressed(int32_t virtualKey) { return platform::IsKeyDown(virtualKey); }

}  // namespace host

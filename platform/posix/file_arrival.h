#pragma once

#include <cstdint>

namespace platform::detail {

// Waits, where files can still be arriving, until the count bytes from the open file's current
// position are there; false when they never will be. On Linux every file is whole at once.
bool AwaitFileBytes(int fd, uint32_t count);

}  // namespace platform::detail

#pragma once

#include <cstddef>

namespace platform {

// Writes size bytes to a file beside name and moves it over name once the bytes are all out
// (replacing what was there), so a failed write, such as on a full disk, leaves name as it was
// and no half-written file under any name. Names as ReadFile::Open takes them. False with the
// failing call recorded (see system_failure.h).
bool WriteFileReplacing(const char* name, const void* data, size_t size);

}  // namespace platform

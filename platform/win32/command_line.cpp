#include "platform/command_line.h"

#include <windows.h>

namespace platform {

const char* ProcessCommandLine() { return ::GetCommandLineA(); }

}  // namespace platform

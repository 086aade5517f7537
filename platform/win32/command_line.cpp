#include <windows.h>

#include "platform/command_line.h"

namespace platform {

const char* ProcessCommandLine() { return ::GetCommandLineA(); }

}  // namespace platform

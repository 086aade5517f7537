#include "platform/terminal.h"

#include <unistd.h>

namespace platform {

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

}  // namespace platform

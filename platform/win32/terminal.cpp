#include "platform/terminal.h"

#include <windows.h>

namespace platform {

bool StandardErrorIsTerminal() {
    // A console, not a file or pipe: GetConsoleMode succeeds only on console handles.
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace platform

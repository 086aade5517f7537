#pragma once

// Windows only: looks at the windows of another process from outside, as a user would see them.
#include <windows.h>

#include <string>
#include <vector>

namespace update::testing {

struct ControlSnapshot {
    std::string className;
    int id;
    std::string text;
    DWORD style;
};

// The first visible top-level window of the process with the class and, when caption is not
// null, that caption (or, with exceptCaption, any other caption). Null when there is none.
HWND FindProcessWindow(DWORD processId, const char* className, const char* caption, bool exceptCaption = false);
// Waits up to timeoutMs for such a window.
HWND WaitForProcessWindow(DWORD processId, const char* className, const char* caption, bool exceptCaption,
                          DWORD timeoutMs);

std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);
std::vector<ControlSnapshot> Controls(HWND parent);
// The texts of a message box's static controls, joined.
std::string MessageBoxText(HWND box);

}  // namespace update::testing

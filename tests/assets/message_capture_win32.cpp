// Windows message boxes are real and modal. A CBT hook on the main thread reads each box as it
// opens and dismisses it, so the tests see the same texts as on Linux (in the build's code page).
#if defined(_WIN32)
#include <windows.h>

#include <string>
#include <vector>

#include "asset_test_support.h"

namespace {

HHOOK hook = nullptr;
std::vector<std::string> texts;

// By activation the box is complete: its text can be read and the OK press queued for its own
// modal loop at once.
LRESULT CALLBACK NoticeBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[64] = {};
        ::GetClassNameA(box, className, sizeof className);
        if (std::string(className) == "#32770") {
            char text[2048] = {};
            ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            texts.push_back(text);
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

// Installed before main, on the thread the tests run on.
struct Capture {
    Capture() { hook = ::SetWindowsHookExA(WH_CBT, NoticeBox, nullptr, ::GetCurrentThreadId()); }
    ~Capture() {
        if (hook != nullptr) ::UnhookWindowsHookEx(hook);
    }
} capture;

}  // namespace

std::vector<std::string> TakeMessages() {
    std::vector<std::string> taken;
    taken.swap(texts);
    return taken;
}

#endif

// Windows message boxes are real and modal. A CBT hook on the main thread notices each box as
// it opens, and a thread timer, dispatched by the box's own modal loop, reads and dismisses it,
// so the tests see the same texts as on Linux (in the build's code page).
#if defined(_WIN32)
#include <windows.h>

#include <string>
#include <vector>

#include "asset_test_support.h"

namespace {

HHOOK hook = nullptr;
HWND box = nullptr;
std::vector<std::string> texts;

void CALLBACK ReadAndDismiss(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    char buffer[2048] = {};
    ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
    texts.push_back(buffer);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    box = nullptr;
}

LRESULT CALLBACK NoticeBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && box == nullptr) {
        char className[64] = {};
        ::GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
        if (std::string(className) == "#32770") {
            box = reinterpret_cast<HWND>(wParam);
            ::SetTimer(nullptr, 0, 10, ReadAndDismiss);
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

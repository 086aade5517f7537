// The Windows message box is real and modal: a CBT hook on this thread notices each box as it
// opens, and a thread timer, dispatched by the box's own modal loop once the box is set up, reads
// and dismisses it.
#if defined(_WIN32)
#include <windows.h>

#include "tests/support/message_capture.h"

namespace {

HHOOK hook = nullptr;
HWND box = nullptr;
std::vector<std::string> texts;
std::vector<std::string> captions;

void CALLBACK ReadAndDismiss(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    char buffer[2048] = {};
    ::GetWindowTextA(box, buffer, sizeof buffer);
    captions.push_back(buffer);
    buffer[0] = '\0';
    ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);  // the box's static text
    texts.push_back(buffer);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    box = nullptr;
}

LRESULT CALLBACK NoticeBox(int code, WPARAM wParam, LPARAM lParam) {
    // Under wine the hook may also hear of other programs' dialogs being activated (tests run
    // side by side on one display): only boxes of this thread count.
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && box == nullptr &&
        ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId()) {
        char className[64] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770") {
            box = window;
            ::SetTimer(nullptr, 0, 20, ReadAndDismiss);
        }
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

MessageCapture::MessageCapture() {
    Clear();
    box = nullptr;
    hook = ::SetWindowsHookExA(WH_CBT, NoticeBox, nullptr, ::GetCurrentThreadId());
}

MessageCapture::~MessageCapture() {
    if (hook != nullptr) ::UnhookWindowsHookEx(hook);
    hook = nullptr;
}

bool MessageCapture::Watching() const { return hook != nullptr; }
std::vector<std::string> MessageCapture::Texts() const { return texts; }
std::vector<std::string> MessageCapture::Captions() const { return captions; }

void MessageCapture::Clear() {
    texts.clear();
    captions.clear();
}

#endif

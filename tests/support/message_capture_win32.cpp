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
    if (code == HCBT_ACTIVATE && box == nullptr) {
        char className[64] = {};
        ::GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
        if (std::string(className) == "#32770") {
            box = reinterpret_cast<HWND>(wParam);
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

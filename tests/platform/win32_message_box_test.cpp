// The Windows message box is real and modal. A CBT hook on this thread notices it as it opens; a
// thread timer, which the box's own modal loop dispatches, reads it once it is set up and dismisses
// it, as the end-to-end tests of the programs do.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/message_box.h"

namespace {

HHOOK hook = nullptr;
HWND box = nullptr;
std::string seenText;
std::string seenCaption;

void CALLBACK ReadAndDismiss(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    char buffer[1024] = {};
    ::GetWindowTextA(box, buffer, sizeof buffer);
    seenCaption = buffer;
    ::GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);  // the box's static text
    seenText = buffer;
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK NoticeBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && box == nullptr) {
        char className[64] = {};
        ::GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
        if (std::string(className) == "#32770") {
            box = reinterpret_cast<HWND>(wParam);
            ::SetTimer(nullptr, 0, 50, ReadAndDismiss);
        }
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

TEST(Win32MessageBox, ShowsCaptionAndShiftJisText) {
    hook = ::SetWindowsHookExA(WH_CBT, NoticeBox, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    int result = platform::ShowMessageBox(nullptr, "ＤＬＬ【 Graph 】の読み込みに失敗しました", "Prelo.dll",
                                          platform::box::kTopmost);
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Prelo.dll", seenCaption);
    // Both literals are Shift-JIS in this build, so equality checks the code page end to end.
    EXPECT_EQ("ＤＬＬ【 Graph 】の読み込みに失敗しました", seenText);
    EXPECT_EQ(static_cast<unsigned char>(0x82), static_cast<unsigned char>(seenText[0]));  // "Ｄ" in Shift-JIS
}

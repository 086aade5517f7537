#include "platform/dialog.h"

#include <windows.h>

#include "platform/system_failure.h"
// The common controls header builds on the types of windows.h.
#include <commctrl.h>

namespace platform {
namespace {

const char kProcedureProperty[] = "platform.DialogProcedure";
// The procedure of the dialog being created: messages arrive before CreateDialogParam returns.
thread_local DialogProcedure creatingProcedure = nullptr;

// Windows calls dialog procedures with stdcall; the platform's procedures use the default
// convention, so every dialog goes through this one.
INT_PTR CALLBACK ForwardToProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto procedure = reinterpret_cast<DialogProcedure>(::GetPropA(dialog, kProcedureProperty));
    if (procedure == nullptr && creatingProcedure != nullptr) {
        procedure = creatingProcedure;
        ::SetPropA(dialog, kProcedureProperty, reinterpret_cast<HANDLE>(procedure));
    }
    if (message == WM_NCDESTROY) ::RemovePropA(dialog, kProcedureProperty);
    return procedure != nullptr ? procedure(dialog, message, wParam, lParam) : FALSE;
}

HINSTANCE ProgramInstance() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&ProgramInstance), &module);
    return module;
}

MSG ToMsg(const ThreadMessage& message) {
    MSG msg{};
    msg.hwnd = static_cast<HWND>(message.window);
    msg.message = message.message;
    msg.wParam = message.wParam;
    msg.lParam = message.lParam;
    msg.time = message.time;
    msg.pt.x = message.x;
    msg.pt.y = message.y;
    return msg;
}

ThreadMessage FromMsg(const MSG& msg) {
    return ThreadMessage{msg.hwnd, msg.message, msg.wParam, msg.lParam, msg.time, msg.pt.x, msg.pt.y};
}

}  // namespace

bool InitCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    return ::InitCommonControlsEx(&controls) != FALSE;
}

Dialog CreateModelessDialog(int templateId, DialogProcedure procedure) {
    if (procedure == nullptr) return nullptr;
    creatingProcedure = procedure;
    HWND dialog = ::CreateDialogParamA(ProgramInstance(), MAKEINTRESOURCEA(templateId), nullptr, ForwardToProcedure, 0);
    if (dialog == nullptr) detail::RecordSystemFailure("CreateDialogParamA");
    creatingProcedure = nullptr;
    return dialog;
}

bool DestroyDialog(Dialog dialog) { return dialog != nullptr && ::DestroyWindow(static_cast<HWND>(dialog)) != FALSE; }

bool PostDialogMessage(Dialog dialog, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return ::PostMessageA(static_cast<HWND>(dialog), message, wParam, lParam) != FALSE;
}

void PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

bool SetDialogItemText(Dialog dialog, int itemId, const char* text) {
    return ::SetDlgItemTextA(static_cast<HWND>(dialog), itemId, text) != FALSE;
}

intptr_t SendDialogItemMessage(Dialog dialog, int itemId, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return ::SendDlgItemMessageA(static_cast<HWND>(dialog), itemId, message, wParam, lParam);
}

bool GetThreadMessage(ThreadMessage* message) {
    MSG msg{};
    // -1 is an error, not a message: ending the loop is the only safe answer.
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
    *message = FromMsg(msg);
    return true;
}

bool IsDialogKeyboardMessage(Dialog dialog, ThreadMessage* message) {
    if (dialog == nullptr) return false;
    MSG msg = ToMsg(*message);
    return ::IsDialogMessageA(static_cast<HWND>(dialog), &msg) != FALSE;
}

void TranslateAndDispatchMessage(const ThreadMessage* message) {
    MSG msg = ToMsg(*message);
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

}  // namespace platform

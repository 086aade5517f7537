#pragma once

#include <cstdint>

#include "platform/window.h"

namespace platform {

// A modeless dialog built from a template in the program's resources: an HWND on Windows. Linux
// has no resources; there a dialog is a set of controls known by id, drawn as one line of terminal
// progress (the progress bar, then the texts of the controls in id order).
using Dialog = Window;
// Called with the platform's calling convention, whatever the system's own is. Returns non-zero
// for a message it handled.
using DialogProcedure = intptr_t (*)(Dialog dialog, uint32_t message, uintptr_t wParam, intptr_t lParam);

// Messages a dialog and its controls take (the Windows values).
namespace dialog_messages {
inline constexpr uint32_t kDestroy = 0x0002;
inline constexpr uint32_t kSetText = 0x000C;
inline constexpr uint32_t kGetText = 0x000D;
inline constexpr uint32_t kClose = 0x0010;
inline constexpr uint32_t kQuit = 0x0012;
inline constexpr uint32_t kInitDialog = 0x0110;
inline constexpr uint32_t kCommand = 0x0111;
}  // namespace dialog_messages

// Progress bar messages: the range is (low word, high word) of lParam; positions are in wParam.
namespace progress_messages {
inline constexpr uint32_t kSetRange = 0x0401;
inline constexpr uint32_t kSetPosition = 0x0402;
inline constexpr uint32_t kGetRange = 0x0407;
inline constexpr uint32_t kGetPosition = 0x0408;
}  // namespace progress_messages

// A message taken from the calling thread's queue (the layout of the Windows MSG).
struct ThreadMessage {
    Window window;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    uint32_t time;
    int32_t x;
    int32_t y;
};

// Makes the common control classes (the progress bar) available. Linux: nothing to do.
bool InitCommonControls();
// Creates template templateId of the program's own resources with no owner window. The calling
// thread owns it and must run the message loop. Null on failure.
Dialog CreateModelessDialog(int templateId, DialogProcedure procedure);
// The dialog's thread only. The procedure sees kDestroy before the handle dies.
bool DestroyDialog(Dialog dialog);
bool PostDialogMessage(Dialog dialog, uint32_t message, uintptr_t wParam, intptr_t lParam);
// Asks the calling thread's message loop to end with exitCode.
void PostQuitMessage(int exitCode);

// From any thread: a call from another thread waits until the dialog's thread has handled it in
// its message loop, as sent messages do.
bool SetDialogItemText(Dialog dialog, int itemId, const char* text);
intptr_t SendDialogItemMessage(Dialog dialog, int itemId, uint32_t message, uintptr_t wParam, intptr_t lParam);

// The message loop: waits for the next message of this thread (handling sent messages while it
// waits); false once the quit message arrives or the loop cannot go on.
bool GetThreadMessage(ThreadMessage* message);
// Offers a message to the dialog's keyboard handling; true when the dialog took it (and it must
// not be dispatched again). A null dialog takes nothing.
bool IsDialogKeyboardMessage(Dialog dialog, ThreadMessage* message);
void TranslateAndDispatchMessage(const ThreadMessage* message);

}  // namespace platform

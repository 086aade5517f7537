#include "platform/message_box.h"

#include <windows.h>

namespace platform {

int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
    return ::MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}

// Real boxes are read by hooks in the tests; nothing is recorded here.
std::vector<RecordedMessage> RecordedMessages() { return {}; }
bool RecordsMessages() { return false; }
void ClearRecordedMessages() {}
void SetMessageEcho(bool) {}

}  // namespace platform

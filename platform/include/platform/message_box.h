#pragma once

#include <string>
#include <vector>

namespace platform {

// Message box styles (the Windows values).
namespace box {
inline constexpr unsigned kOk = 0x00000000;
inline constexpr unsigned kIconError = 0x00000010;
inline constexpr unsigned kIconWarning = 0x00000030;
inline constexpr unsigned kIconInformation = 0x00000040;
inline constexpr unsigned kTopmost = 0x00040000;
}  // namespace box

// Shows a modal message box with an OK button and returns its result (1 for OK). Texts are in the
// build's narrow encoding (Shift-JIS on Windows, UTF-8 on Linux). On Linux the box is written to
// standard error and recorded; it never blocks.
int ShowMessageBox(void* owner, const char* text, const char* caption, unsigned style);

struct RecordedMessage {
    std::string text;
    std::string caption;
    unsigned style;
};

// Linux: every box shown so far in this process, oldest first. Windows: always empty.
std::vector<RecordedMessage> RecordedMessages();
// Whether RecordedMessages sees every box: false on Windows, where the boxes are real windows.
bool RecordsMessages();
void ClearRecordedMessages();
// Linux: stop echoing boxes to standard error (tests that expect them).
void SetMessageEcho(bool echo);

}  // namespace platform

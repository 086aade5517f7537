#include "platform/message_box.h"

#include <cstdio>
#include <mutex>

namespace platform {
namespace {

std::mutex logLock;
std::vector<RecordedMessage>& Log() {
    static std::vector<RecordedMessage> log;
    return log;
}
bool echoToStderr = true;

}  // namespace

int ShowMessageBox(void* /*owner*/, const char* text, const char* caption, unsigned style) {
    RecordedMessage message{text ? text : "", caption ? caption : "", style};
    std::lock_guard<std::mutex> hold(logLock);
    if (echoToStderr) std::fprintf(stderr, "[%s] %s\n", message.caption.c_str(), message.text.c_str());
    Log().push_back(std::move(message));
    return 1;  // IDOK
}

std::vector<RecordedMessage> RecordedMessages() {
    std::lock_guard<std::mutex> hold(logLock);
    return Log();
}

bool RecordsMessages() { return true; }

void ClearRecordedMessages() {
    std::lock_guard<std::mutex> hold(logLock);
    Log().clear();
}

void SetMessageEcho(bool echo) {
    std::lock_guard<std::mutex> hold(logLock);
    echoToStderr = echo;
}

}  // namespace platform

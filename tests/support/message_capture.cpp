#if !defined(_WIN32)
#include "tests/support/message_capture.h"

#include "platform/message_box.h"

MessageCapture::MessageCapture() {
    platform::SetMessageEcho(false);
    platform::ClearRecordedMessages();
}

MessageCapture::~MessageCapture() { platform::SetMessageEcho(true); }

bool MessageCapture::Watching() const { return true; }

std::vector<std::string> MessageCapture::Texts() const {
    std::vector<std::string> texts;
    for (const auto& message : platform::RecordedMessages()) texts.push_back(message.text);
    return texts;
}

std::vector<std::string> MessageCapture::Captions() const {
    std::vector<std::string> captions;
    for (const auto& message : platform::RecordedMessages()) captions.push_back(message.caption);
    return captions;
}

void MessageCapture::Clear() { platform::ClearRecordedMessages(); }

#endif

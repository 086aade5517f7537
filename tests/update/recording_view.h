#pragma once

#include <string>
#include <vector>

#include "update_view.h"

namespace update::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    unsigned style;
};

// Keeps everything the update showed, in order, as one event list for progress and one for boxes.
class RecordingView final : public UpdateView {
public:
    void SetProgressRange(uint32_t count) override { events.push_back("range " + std::to_string(count)); }
    void SetProgressPosition(uint32_t position) override {
        events.push_back("position " + std::to_string(position));
        lastPosition = position;
    }
    void SetSourceText(const std::string& text) override { events.push_back("source " + text); }
    void SetDestinationText(const std::string& text) override { events.push_back("destination " + text); }
    void ShowMessage(const std::string& text, const char* caption, unsigned style) override {
        messages.push_back(ShownMessage{text, caption, style});
    }

    std::vector<std::string> events;
    std::vector<ShownMessage> messages;
    uint32_t lastPosition = 0;
};

}  // namespace update::testing

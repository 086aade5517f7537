#include "progress_line.h"

#include <unistd.h>

#include <cstdio>
#include <mutex>

namespace platform::detail {

std::string FormatProgressLine(const ProgressLine& line) {
    constexpr uint32_t kWidth = 24;
    const uint32_t span = line.high > line.low ? line.high - line.low : 0;
    const uint32_t done = line.position > line.low ? line.position - line.low : 0;
    const uint32_t filled = span == 0 ? 0 : static_cast<uint32_t>(uint64_t{done} * kWidth / span);
    std::string text = "[" + std::string(filled, '#') + std::string(kWidth - filled, '-') + "] " +
                       std::to_string(done) + "/" + std::to_string(span);
    const char* separator = "  ";
    for (const std::string& item : line.texts) {
        text += separator + item;
        separator = " -> ";
    }
    return text;
}

namespace {

// A terminal: the line is redrawn over itself. It always ends with a line break, so that whatever
// else is written meanwhile (message boxes go to standard error) starts on a line of its own, and
// an unchanged line is not drawn again over such text.
void RedrawOnTerminal(const std::string& text, bool finished) {
    static bool drawn = false;
    static std::string lastText;
    if (!drawn || text != lastText) {
        std::printf("%s%s\n", drawn ? "\033[1A\033[2K" : "", text.c_str());
        drawn = true;
        lastText = text;
    }
    if (finished) drawn = false;
}

// A log: one line per file, written once the position moves on, so each shows its step complete.
void AppendToLog(const ProgressLine& line, const std::string& text, bool finished) {
    static std::string pending;
    static uint32_t pendingPosition = 0;
    if (line.position != pendingPosition && !pending.empty()) std::printf("%s\n", pending.c_str());
    pending = line.position > line.low ? text : std::string();
    pendingPosition = line.position;
    if (finished) {
        if (!pending.empty()) std::printf("%s\n", pending.c_str());
        pending.clear();
    }
}

}  // namespace

void DrawProgressLine(const ProgressLine& line, bool finished) {
    static std::mutex lock;
    std::lock_guard<std::mutex> hold(lock);
    const std::string text = FormatProgressLine(line);
    if (::isatty(STDOUT_FILENO)) {
        RedrawOnTerminal(text, finished);
    } else {
        AppendToLog(line, text, finished);
    }
    std::fflush(stdout);
}

}  // namespace platform::detail

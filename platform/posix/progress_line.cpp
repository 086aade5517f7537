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

void DrawProgressLine(const ProgressLine& line, bool finished) {
    static std::mutex lock;
    static std::string pending;
    static uint32_t pendingPosition = 0;
    std::lock_guard<std::mutex> hold(lock);
    const std::string text = FormatProgressLine(line);
    if (::isatty(STDOUT_FILENO)) {
        std::printf("\r\033[K%s%s", text.c_str(), finished ? "\n" : "");
    } else {
        if (line.position != pendingPosition && !pending.empty()) std::printf("%s\n", pending.c_str());
        pending = line.position > line.low ? text : std::string();
        pendingPosition = line.position;
        if (finished && !pending.empty()) std::printf("%s\n", pending.c_str());
    }
    if (finished) pending.clear();
    std::fflush(stdout);
}

}  // namespace platform::detail

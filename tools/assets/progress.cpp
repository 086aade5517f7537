#include "tools/assets/progress.h"

#include <cstdint>
#include <cstdio>

#include "platform/terminal.h"

namespace assetkit {

Progress::Progress(std::string what, size_t total)
    : what_(std::move(what)), total_(total), shown_(total > 0 && platform::StandardErrorIsTerminal()) {}

Progress::~Progress() {
    if (shown_ && lastPercent_ != SIZE_MAX) std::fputc('\n', stderr);
}

void Progress::Done(size_t done) {
    if (!shown_) return;
    const size_t percent = done * 100 / total_;
    if (percent == lastPercent_ && done != total_) return;  // a redraw a percent is plenty
    lastPercent_ = percent;
    std::fprintf(stderr, "\r%s: %zu of %zu (%zu %%)", what_.c_str(), done, total_, percent);
    std::fflush(stderr);
}

}  // namespace assetkit

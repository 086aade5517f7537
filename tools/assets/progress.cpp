#include "tools/assets/progress.h"

#include <chrono>
#include <cstdio>

#include "platform/terminal.h"

namespace assetkit {
namespace {

constexpr int kBarWidth = 30;
constexpr double kRedrawSeconds = 0.2;

double NowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

std::string ProgressText(const std::string& what, size_t done, size_t total, double elapsedSeconds) {
    if (done > total) done = total;
    const double fraction = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    const int filled = static_cast<int>(fraction * kBarWidth + 0.5);
    const std::string bar = std::string(static_cast<size_t>(filled), '#') + std::string(kBarWidth - filled, '.');
    const double rate = elapsedSeconds > 0.0 ? static_cast<double>(done) / elapsedSeconds : 0.0;
    char tail[96];
    if (rate > 0.0 && done < total) {
        const unsigned left = static_cast<unsigned>(static_cast<double>(total - done) / rate + 0.5);
        std::snprintf(tail, sizeof tail, " %zu/%zu frames  %.1f fps  %u:%02u left", done, total, rate, left / 60,
                      left % 60);
    } else {
        std::snprintf(tail, sizeof tail, " %zu/%zu frames  %.1f fps", done, total, rate);
    }
    return what + ": [" + bar + "]" + tail;
}

Progress::Progress(std::string what, size_t total, bool logged)
    : what_(std::move(what)),
      total_(total),
      terminal_(platform::StandardErrorIsTerminal()),
      logged_(logged),
      started_(NowSeconds()) {}

Progress::~Progress() {
    if (lastDone_ == SIZE_MAX) return;
    // The last count, complete, and the line ended, so what follows starts on one of its own.
    if (terminal_) {
        std::fprintf(stderr, "\r%s\n", ProgressText(what_, lastDone_, total_, Elapsed()).c_str());
    } else if (logged_ && lastLogged_ != lastDone_) {
        std::fprintf(stderr, "%s\n", ProgressText(what_, lastDone_, total_, Elapsed()).c_str());
    }
}

double Progress::Elapsed() const { return NowSeconds() - started_; }

void Progress::Done(size_t done) {
    if (total_ == 0 || done == lastDone_) return;
    lastDone_ = done;
    const double now = Elapsed();
    if (terminal_) {
        if (now - lastDrawn_ < kRedrawSeconds && done < total_) return;
        lastDrawn_ = now;
        std::fprintf(stderr, "\r%s", ProgressText(what_, done, total_, now).c_str());
        std::fflush(stderr);
    } else if (logged_ && (done >= nextLogged_ || done == total_)) {
        std::fprintf(stderr, "%s\n", ProgressText(what_, done, total_, now).c_str());
        nextLogged_ = done + total_ / 10 + 1;
        lastLogged_ = done;
    }
}

}  // namespace assetkit

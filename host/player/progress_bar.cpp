#include "host/player/progress_bar.h"

#include <cstdio>

namespace player {

std::string ProgressLine(size_t done, size_t total, double elapsedSeconds, int barWidth) {
    if (done > total) done = total;
    const double fraction = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    const int filled = static_cast<int>(fraction * barWidth + 0.5);
    std::string bar(static_cast<size_t>(filled), '#');
    bar.append(static_cast<size_t>(barWidth - filled), '.');
    const double fps = elapsedSeconds > 0.0 ? static_cast<double>(done) / elapsedSeconds : 0.0;
    char tail[96];
    if (fps > 0.0 && done < total) {
        const unsigned left = static_cast<unsigned>(static_cast<double>(total - done) / fps + 0.5);
        std::snprintf(tail, sizeof tail, " %zu/%zu frames  %.1f fps  %u:%02u left", done, total, fps, left / 60,
                      left % 60);
    } else {
        std::snprintf(tail, sizeof tail, " %zu/%zu frames  %.1f fps", done, total, fps);
    }
    return "[" + bar + "]" + tail;
}

}  // namespace player

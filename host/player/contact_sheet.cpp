#include "host/player/contact_sheet.h"

#include <algorithm>
#include <cstdio>

#include "host/player/bitmap_font.h"
#include "host/player/timeline.h"

namespace player {

std::vector<SheetShot> PlanSheet(const std::vector<uint32_t>& times) {
    std::vector<SheetShot> shots;
    const auto& windows = SceneWindows();
    int lastScene = -1;
    int64_t lastPicked = -1;
    for (const SheetCell& cell : SheetCells()) {
        const SceneWindow& window = windows[static_cast<size_t>(cell.scene)];
        const int64_t picked = PickFrame(times, cell.targetMs, window.startMs, window.endMs);
        if (picked < 0 || (cell.scene == lastScene && picked == lastPicked)) continue;
        lastScene = cell.scene;
        lastPicked = picked;
        const size_t frame = static_cast<size_t>(std::lower_bound(times.begin(), times.end(), picked) - times.begin());
        char label[64];
        std::snprintf(label, sizeof label, "%d %s %u.%01us", cell.scene, cell.label,
                      static_cast<unsigned>(picked / 1000), static_cast<unsigned>(picked % 1000 / 100));
        shots.push_back({frame, label});
    }
    return shots;
}

ContactSheet::ContactSheet(int cells) : cells_(cells < 0 ? 0 : cells), columns_(std::clamp(cells_, 1, kColumns)) {
    const int rows = (cells_ + columns_ - 1) / columns_;
    width_ = kMargin + columns_ * (kThumbWidth + kMargin);
    height_ = kMargin + rows * (kThumbHeight + kLabelHeight + kMargin);
    // A dark slate background, so black frames still show their edges.
    pixels_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 3u);
    for (size_t i = 0; i < pixels_.size(); i += 3) {
        pixels_[i] = 0x30;
        pixels_[i + 1] = 0x26;
        pixels_[i + 2] = 0x22;
    }
}

void ContactSheet::CellOrigin(int cell, int* x, int* y) const {
    *x = kMargin + (cell % columns_) * (kThumbWidth + kMargin);
    *y = kMargin + (cell / columns_) * (kThumbHeight + kLabelHeight + kMargin);
}

void ContactSheet::Place(int cell, const uint8_t* frame, int frameWidth, int frameHeight, int framePitch,
                         const std::string& label) {
    if (cell < 0 || cell >= cells_ || frame == nullptr) return;
    if (frameWidth < kThumbWidth * 4 || frameHeight < kThumbHeight * 4) return;
    int ox = 0;
    int oy = 0;
    CellOrigin(cell, &ox, &oy);
    for (int ty = 0; ty < kThumbHeight; ++ty) {
        uint8_t* out = pixels_.data() + static_cast<size_t>(oy + ty) * Pitch() + static_cast<size_t>(ox) * 3u;
        for (int tx = 0; tx < kThumbWidth; ++tx) {
            unsigned sum[3] = {0, 0, 0};
            for (int dy = 0; dy < 4; ++dy) {
                const uint8_t* in =
                    frame + static_cast<size_t>(ty * 4 + dy) * framePitch + static_cast<size_t>(tx) * 12u;
                for (int dx = 0; dx < 4; ++dx) {
                    sum[0] += in[dx * 3];
                    sum[1] += in[dx * 3 + 1];
                    sum[2] += in[dx * 3 + 2];
                }
            }
            out[tx * 3] = static_cast<uint8_t>((sum[0] + 8) / 16);
            out[tx * 3 + 1] = static_cast<uint8_t>((sum[1] + 8) / 16);
            out[tx * 3 + 2] = static_cast<uint8_t>((sum[2] + 8) / 16);
        }
    }
    DrawText(pixels_.data(), width_, height_, Pitch(), ox + 2, oy + kThumbHeight + 4, label.c_str(), 1, 0xEE, 0xE6,
             0xD8);
}

}  // namespace player

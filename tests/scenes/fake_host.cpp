#include "tests/scenes/fake_host.h"

#include <type_traits>

#include "host/layerforge/layerforge.h"
#include "tests/scenes/call_format.h"
#include "tests/scenes/test_archive.h"

namespace {

host::Layerforge hostFactory;

// Forwards everything to the host kit's surface and reports its release to the factory.
class TrackedSurface final : public ISurface {
public:
    TrackedSurface(ISurface* inner, CountingLayerforge* owner) : inner_(inner), owner_(owner) {}

    int32_t Identify() override { return inner_->Identify(); }
    int32_t Release() override {
        if (released_) {
            ++owner_->releasedTwice;
            return 0;
        }
        released_ = true;
        ++owner_->released;
        return inner_->Release();
    }
    uint8_t* PixelAt(int32_t x, int32_t y) override { return inner_->PixelAt(x, y); }
    uint8_t* AlphaAt(int32_t x, int32_t y) override { return inner_->AlphaAt(x, y); }
    int32_t Width() override { return inner_->Width(); }
    int32_t Height() override { return inner_->Height(); }
    int32_t Depth() override { return inner_->Depth(); }
    int32_t Pitch() override { return inner_->Pitch(); }
    int32_t AlphaPitch() override { return inner_->AlphaPitch(); }
    bool HasPixels() override { return inner_->HasPixels(); }
    bool IsHostOwned() override { return inner_->IsHostOwned(); }

private:
    ISurface* inner_;
    CountingLayerforge* owner_;
    bool released_ = false;
};

}  // namespace

ISurface* CountingLayerforge::Track(ISurface* inner) {
    if (inner == nullptr) return nullptr;
    handedOut_.push_back(new TrackedSurface(inner, this));
    return handedOut_.back();
}

CountingLayerforge::~CountingLayerforge() {
    for (ISurface* surface : handedOut_) delete static_cast<TrackedSurface*>(surface);
}

ISurface* CountingLayerforge::CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t depth) {
    if (created++ == refuse) return nullptr;
    return Track(hostFactory.CreateSurfaceWithAlpha(width, height, depth));
}

ISurface* CountingLayerforge::CreateSurface(int32_t width, int32_t height, int32_t depth) {
    if (created++ == refuse) return nullptr;
    return Track(hostFactory.CreateSurface(width, height, depth));
}

ISurface* CountingLayerforge::CreateMaskSurface(int32_t width, int32_t height) {
    if (created++ == refuse) return nullptr;
    return Track(hostFactory.CreateMaskSurface(width, height));
}

template <typename T>
auto RecordingGraph::Named(const T& value) const {
    if constexpr (std::is_convertible_v<T, ISurface*>) {
        ISurface* surface = value;
        if (surface == screen_) return ScreenPic();
        const uint8_t* first = surface != nullptr ? surface->PixelAt(0, 0) : nullptr;
        if (first != nullptr && first[1] == kTagGreen && first[2] == kTagRed) return Cg(first[0]);
        return Pic{"unknown"};
    } else {
        return value;
    }
}

template <typename... Args>
void RecordingGraph::Record(const char* name, const Args&... args) {
    log_->Add(Call(name, Named(args)...));
}

void RecordingGraph::Copy(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                          int32_t h) {
    Record("Copy", dst, dx, dy, src, sx, sy, w, h);
}
void RecordingGraph::Unused5(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) {
    Record("Unused5", 0);
}
void RecordingGraph::CopyLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                               int32_t h, int32_t level) {
    Record("CopyLevel", dst, dx, dy, src, sx, sy, w, h, level);
}
void RecordingGraph::BlendConst(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                                int32_t h, int32_t alpha) {
    Record("BlendConst", dst, dx, dy, src, sx, sy, w, h, alpha);
}
void RecordingGraph::Unused8(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                             int32_t) {
    Record("Unused8", 0);
}
void RecordingGraph::Unused9(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) {
    Record("Unused9", 0);
}
void RecordingGraph::BlendAlpha(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                                int32_t h) {
    Record("BlendAlpha", dst, dx, dy, src, sx, sy, w, h);
}
void RecordingGraph::Unused11(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) {
    Record("Unused11", 0);
}
void RecordingGraph::ShapeColor(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                                int32_t h, int32_t c1, int32_t c2, int32_t c3) {
    Record("ShapeColor", dst, dx, dy, src, sx, sy, w, h, c1, c2, c3);
}
void RecordingGraph::ShapeColorLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy,
                                     int32_t w, int32_t h, int32_t c1, int32_t c2, int32_t c3, int32_t level) {
    Record("ShapeColorLevel", dst, dx, dy, src, sx, sy, w, h, c1, c2, c3, level);
}
void RecordingGraph::BlendAlphaLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy,
                                     int32_t w, int32_t h, int32_t level) {
    Record("BlendAlphaLevel", dst, dx, dy, src, sx, sy, w, h, level);
}
void RecordingGraph::BlendLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                                int32_t h, int32_t level) {
    Record("BlendLevel", dst, dx, dy, src, sx, sy, w, h, level);
}
void RecordingGraph::Unused16(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                              int32_t) {
    Record("Unused16", 0);
}
void RecordingGraph::WashShape(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t h, ISurface* src, int32_t sx,
                               int32_t sy, int32_t c1, int32_t c2, int32_t c3, int32_t level) {
    Record("WashShape", dst, dx, dy, w, h, src, sx, sy, c1, c2, c3, level);
}
void RecordingGraph::BlendOverlay(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy,
                                  int32_t w, int32_t h) {
    Record("BlendOverlay", dst, dx, dy, src, sx, sy, w, h);
}
void RecordingGraph::Unused19(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) {
    Record("Unused19", 0);
}
void RecordingGraph::Unused20(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) {
    Record("Unused20", 0);
}
void RecordingGraph::FillRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2,
                              int32_t c3) {
    Record("FillRect", dst, x, y, w, h, c1, c2, c3);
}
void RecordingGraph::Unused22(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) { Record("Unused22", 0); }
void RecordingGraph::FillRectLevel(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2,
                                   int32_t c3, int32_t level) {
    Record("FillRectLevel", dst, x, y, w, h, c1, c2, c3, level);
}
void RecordingGraph::Unused24(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
    Record("Unused24", 0);
}
void RecordingGraph::Unused25(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
    Record("Unused25", 0);
}
void RecordingGraph::Unused26(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
    Record("Unused26", 0);
}
void RecordingGraph::DimRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t level) {
    Record("DimRect", dst, x, y, w, h, level);
}
void RecordingGraph::TileOffset(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src,
                                int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy) {
    Record("TileOffset", dst, dx, dy, dw, dh, src, sx, sy, sw, sh, ox, oy);
}
void RecordingGraph::TileOffsetLevel(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src,
                                     int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy,
                                     int32_t level) {
    Record("TileOffsetLevel", dst, dx, dy, dw, dh, src, sx, sy, sw, sh, ox, oy, level);
}
void RecordingGraph::Unused30(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                              int32_t) {
    Record("Unused30", 0);
}
void RecordingGraph::ZoomRect(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, float fx,
                              float fy, float fw, float fh, int32_t n) {
    Record("ZoomRect", dst, dx, dy, dw, dh, src, fx, fy, fw, fh, n);
}
void RecordingGraph::Unused32(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                              int32_t) {
    Record("Unused32", 0);
}

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "interfaces/graph.h"
#include "interfaces/host.h"
#include "interfaces/layerforge.h"

// The scene tests' own doubles: a log of drawing calls grouped by frame, a Graph that writes
// into it, and a surface factory that counts what it hands out. The screen, clock and loop are
// the shared ones (tests/support/host_doubles.h).

class CallLog {
public:
    // Calls are grouped by frame: group 0 holds what a scene does before its first KeepRunning,
    // group i what it does after the i-th.
    void StartPass() { passes_.emplace_back(); }
    void Add(std::string call) { passes_.back().push_back(std::move(call)); }
    const std::vector<std::vector<std::string>>& Passes() const { return passes_; }
    void Reset() { passes_.assign(1, {}); }

private:
    std::vector<std::vector<std::string>> passes_{1};
};

// Hands out surfaces of the host kit wrapped so that every Release is counted; can be told to
// refuse the n-th surface, which makes that picture's load fail.
class CountingLayerforge final : public ILayerforge {
public:
    CountingLayerforge() = default;
    ~CountingLayerforge();
    CountingLayerforge(const CountingLayerforge&) = delete;
    CountingLayerforge& operator=(const CountingLayerforge&) = delete;

    void Reserved0() override {}
    void Reserved1() override {}
    ISurface* CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t depth) override;
    ISurface* CreateSurface(int32_t width, int32_t height, int32_t depth) override;
    ISurface* CreateMaskSurface(int32_t width, int32_t height) override;

    int32_t created = 0;
    int32_t released = 0;
    int32_t releasedTwice = 0;
    // Creation number (counted from 0) that returns null; -1 = never.
    int32_t refuse = -1;

private:
    ISurface* Track(ISurface* inner);

    // The wrappers outlive their release, so that a second release is seen and counted.
    std::vector<ISurface*> handedOut_;
};

// An IGraph that draws nothing and writes every call into the log, naming surfaces by the tag
// that the test archive puts in each picture's first pixel.
class RecordingGraph final : public IGraph {
public:
    explicit RecordingGraph(CallLog* log) : log_(log) {}
    void SetScreen(ISurface* screen) { screen_ = screen; }

    int32_t Identify() override { return 1; }
    int32_t Reserved1() override { return 0; }
    bool Initialize() override { return true; }
    void Attach(void*) override {}
    void Copy(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
              int32_t h) override;
    void Unused5(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override;
    void CopyLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                   int32_t level) override;
    void BlendConst(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                    int32_t alpha) override;
    void Unused8(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override;
    void Unused9(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override;
    void BlendAlpha(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                    int32_t h) override;
    void Unused11(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override;
    void ShapeColor(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                    int32_t c1, int32_t c2, int32_t c3) override;
    void ShapeColorLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                         int32_t h, int32_t c1, int32_t c2, int32_t c3, int32_t level) override;
    void BlendAlphaLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                         int32_t h, int32_t level) override;
    void BlendLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                    int32_t level) override;
    void Unused16(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                  int32_t) override;
    void WashShape(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t h, ISurface* src, int32_t sx, int32_t sy,
                   int32_t c1, int32_t c2, int32_t c3, int32_t level) override;
    void BlendOverlay(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                      int32_t h) override;
    void Unused19(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override;
    void Unused20(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override;
    void FillRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2,
                  int32_t c3) override;
    void Unused22(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override;
    void FillRectLevel(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2, int32_t c3,
                       int32_t level) override;
    void Unused24(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override;
    void Unused25(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override;
    void Unused26(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override;
    void DimRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t level) override;
    void TileOffset(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx,
                    int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy) override;
    void TileOffsetLevel(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx,
                         int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy, int32_t level) override;
    void Unused30(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                  int32_t) override;
    void ZoomRect(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, float fx, float fy,
                  float fw, float fh, int32_t n) override;
    void Unused32(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                  int32_t) override;

private:
    template <typename... Args>
    void Record(const char* name, const Args&... args);
    template <typename T>
    auto Named(const T& value) const;

    CallLog* log_;
    ISurface* screen_ = nullptr;
};

#pragma once

#include <cstdint>

#include "host/graph/row_kernels.h"
#include "interfaces/graph.h"

namespace host {

// The host's drawing interface. Every operation clips its rectangles to both surfaces, so no
// call can read or write outside a plane; slots the demo never uses accept their arguments and do
// nothing. Blends follow one rounding rule (simd/byte_rules.h) in every kernel set, so results are
// the same on every build and every CPU.
class Graph final : public IGraph {
public:
    Graph() : rows_(&ChosenRowKernels()) {}
    // Drawing through one particular kernel set, for tests and benchmarks to compare them.
    explicit Graph(const RowKernels& rows) : rows_(&rows) {}
    const RowKernels& Rows() const { return *rows_; }

    int32_t Identify() override { return 1; }
    int32_t Reserved1() override { return 0; }
    bool Initialize() override { return true; }
    void Attach(void* graphContext) override { context_ = graphContext; }
    void* AttachedContext() const { return context_; }

    void Copy(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
              int32_t h) override;
    void Unused5(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void CopyLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                   int32_t level) override;
    void BlendConst(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                    int32_t alpha) override;
    void Unused8(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                 int32_t) override {}
    void Unused9(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void BlendAlpha(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                    int32_t h) override;
    void Unused11(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void ShapeColor(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                    int32_t c1, int32_t c2, int32_t c3) override;
    void ShapeColorLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                         int32_t h, int32_t c1, int32_t c2, int32_t c3, int32_t level) override;
    void BlendAlphaLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                         int32_t h, int32_t level) override;
    void BlendLevel(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                    int32_t level) override;
    void Unused16(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                  int32_t) override {}
    void WashShape(ISurface* dst, int32_t dx, int32_t dy, int32_t w, int32_t h, ISurface* src, int32_t sx, int32_t sy,
                   int32_t c1, int32_t c2, int32_t c3, int32_t level) override;
    void BlendOverlay(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w,
                      int32_t h) override;
    void Unused19(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused20(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void FillRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2,
                  int32_t c3) override;
    void Unused22(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void FillRectLevel(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t c1, int32_t c2, int32_t c3,
                       int32_t level) override;
    void Unused24(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused25(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused26(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void DimRect(ISurface* dst, int32_t x, int32_t y, int32_t w, int32_t h, int32_t level) override;
    void TileOffset(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx,
                    int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy) override;
    void TileOffsetLevel(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx,
                         int32_t sy, int32_t sw, int32_t sh, int32_t ox, int32_t oy, int32_t level) override;
    void Unused30(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                  int32_t) override {}
    void ZoomRect(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, float fx, float fy,
                  float fw, float fh, int32_t level) override;
    void Unused32(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                  int32_t) override {}

private:
    // src over dst at weight Scale(alpha, level) per pixel, or at level throughout when useAlpha
    // is false or the source has no alpha plane; level is 0..255.
    void Blend(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
               bool useAlpha, int32_t level);
    // src's 8-bit plane (or its whole rectangle without one) painted in one colour at a level.
    void PaintShape(ISurface* dst, int32_t dx, int32_t dy, ISurface* src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                    int32_t c1, int32_t c2, int32_t c3, int32_t level);
    void Tile(ISurface* dst, int32_t dx, int32_t dy, int32_t dw, int32_t dh, ISurface* src, int32_t sx, int32_t sy,
              int32_t sw, int32_t sh, int32_t ox, int32_t oy, int32_t level);

    const RowKernels* rows_;
    void* context_ = nullptr;
};

}  // namespace host
